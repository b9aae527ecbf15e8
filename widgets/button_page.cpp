// SPDX-License-Identifier: MIT
#include "widgets/button_page.h"

#include "widgets/control_hint.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace erakon {
namespace {

constexpr int kCellMargin = 3;

} // namespace

ButtonPage::ButtonPage(const std::vector<Command>& commands, int rows, const QString& groupName,
                       const QString& groupCaption, const QString& groupHint, QWidget* parent)
    : QWidget(parent)
{
    auto* outer = new QGridLayout(this); // two columns of 50 %, the right one empty
    outer->setContentsMargins(kCellMargin, kCellMargin, kCellMargin, kCellMargin);
    outer->setColumnStretch(0, 1);
    outer->setColumnStretch(1, 1);

    QWidget* holder = this;
    QGridLayout* buttons = outer;
    if (!groupName.isEmpty()) {
        m_group = new QGroupBox(groupCaption, this);
        m_group->setObjectName(groupName);
        setHint(m_group, groupHint);
        outer->addWidget(m_group, 0, 0);
        outer->setRowStretch(0, 1);
        holder = m_group;
        buttons = new QGridLayout(m_group);
        buttons->setContentsMargins(kCellMargin, kCellMargin, kCellMargin, kCellMargin);
    }
    for (int row = 0; row < int(commands.size()); ++row) {
        const Command& command = commands[size_t(row)];
        auto* button = new QPushButton(command.caption, holder);
        button->setObjectName(QString::fromLatin1(command.name));
        button->setCursor(Qt::PointingHandCursor);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        setHint(button, command.hint);
        connect(button, &QPushButton::clicked, command.action, &QAction::trigger);
        buttons->addWidget(button, row, 0);
    }
    for (int row = 0; row < rows; ++row)
        buttons->setRowStretch(row, 1);
}

} // namespace erakon
