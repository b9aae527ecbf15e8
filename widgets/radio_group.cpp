// SPDX-License-Identifier: MIT
#include "widgets/radio_group.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>

#include <algorithm>

namespace erakon {

RadioGroup::RadioGroup(const QString& title, const QStringList& items, QWidget* parent)
    : QGroupBox(title, parent)
    , m_group(new QButtonGroup(this))
{
    auto* layout = new QHBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setCursor(Qt::PointingHandCursor);
        m_group->addButton(button, i);
        layout->addWidget(button);
    }
    // An exclusive group unchecks the old button before it checks the new one;
    // the new one alone is the change. No button checked is reported by
    // setItemIndex().
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit itemIndexChanged(id);
    });
}

int RadioGroup::itemIndex() const { return m_group->checkedId(); }

int RadioGroup::count() const { return int(m_group->buttons().size()); }

QRadioButton* RadioGroup::button(int index) const { return qobject_cast<QRadioButton*>(m_group->button(index)); }

void RadioGroup::setItemIndex(int index)
{
    index = std::clamp(index, -1, count() - 1);
    if (index == itemIndex())
        return;
    if (index >= 0) {
        m_group->button(index)->setChecked(true);
        return;
    }
    // An exclusive group never unchecks its last button by itself.
    m_group->setExclusive(false);
    m_group->checkedButton()->setChecked(false);
    m_group->setExclusive(true);
    emit itemIndexChanged(-1);
}

} // namespace erakon
