// SPDX-License-Identifier: MIT
#include "widgets/button_page.h"

#include "widgets/control_hint.h"

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
        buttons->addWidget(button, row, 0);
    }
    for (int row = 0; row < rows; ++row)
        buttons->setRowStretch(row, 1);
}

QPushButton* ButtonPage::button(const char* name) const { return findChild<QPushButton*>(QString::fromLatin1(name)); }

ButtonPage* createFilePage(QWidget* parent)
{
    return new ButtonPage(
        {{"ButtonDeskTop", QStringLiteral("デスクトップに登録"), QStringLiteral("ShortCut to DeskTop")},
         {"ButtonStartMenu", QStringLiteral("スタートメニューに登録"), QStringLiteral("ShortCut to StartMenu")},
         {"ButtonStartUp", QStringLiteral("スタートアップに登録"), QStringLiteral("ShortCut to StartUp")}},
        3, QStringLiteral("GroupBox2"), QStringLiteral("起動ショートカット"), QStringLiteral("Create ShortCut"),
        parent);
}

ButtonPage* createHelpPage(QWidget* parent)
{
    return new ButtonPage({{"ButtonHelp", QStringLiteral("ヘルプ表示"), QStringLiteral("Help")},
                           {"ButtonAbout", QStringLiteral("バージョン情報"), QStringLiteral("About ")},
                           {"ButtonProperties", QStringLiteral("プロパティ表示"), QStringLiteral("Properties")},
                           {"ButtonDonation", QStringLiteral("開発支援"), QStringLiteral("Donation")},
                           {"ButtonHomeSite", QStringLiteral("ホームページ"), QStringLiteral("HomeSite")}},
                          5, QString(), QString(), QString(), parent);
}

} // namespace erakon
