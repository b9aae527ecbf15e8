// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>

class QButtonGroup;
class QRadioButton;

namespace erakon {

// A captioned group of radio buttons addressed by item index; -1 selects none.
class RadioGroup final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RadioGroup)

public:
    RadioGroup(const QString& title, const QStringList& items, QWidget* parent = nullptr);

    int itemIndex() const;
    // Kept within -1 .. the last item; nothing happens when the index stays.
    void setItemIndex(int index);
    int count() const;
    QRadioButton* button(int index) const;

signals:
    // The index changed, by a click or by setItemIndex().
    void itemIndexChanged(int index);

private:
    QButtonGroup* m_group;
};

} // namespace erakon
