// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QWidget;

namespace erakon {

// Switches the tooltips of a window's controls on or off at once, also in
// the windows it owns. The tooltips stay set (they are the controls'
// accessible descriptions too); while hints are off their events are
// swallowed. Tooltips of other windows, such as the tray icon's own window
// on X11 whose tooltip is the panel's hint, are left alone.
class HintSwitch final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HintSwitch)

public:
    explicit HintSwitch(QWidget* window);
    ~HintSwitch() override;

    bool hintsShown() const { return m_shown; }
    void setHintsShown(bool shown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool belongsToWindow(const QObject* object) const;

    QWidget* m_window;
    bool m_shown = true;
};

} // namespace erakon
