#pragma once

#include <QObject>

namespace erakon {

// Switches every tooltip of the application on or off at once. The tooltips
// stay set (they are the controls' accessible descriptions too); while hints
// are off their events are swallowed.
class HintSwitch final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HintSwitch)

public:
    explicit HintSwitch(QObject* parent = nullptr);
    ~HintSwitch() override;

    bool hintsShown() const { return m_shown; }
    void setHintsShown(bool shown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_shown = true;
};

} // namespace erakon
