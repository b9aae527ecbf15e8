// SPDX-License-Identifier: MIT
#include "window/settings_page.h"

#include "core/era_table.h"
#include "widgets/control_hint.h"
#include "widgets/radio_group.h"
#include "widgets/window_font.h"
#include "widgets/year_box.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>

namespace erakon {
namespace {

constexpr int kCellMargin = 3;

QGroupBox* createGroupBox(const QString& name, const QString& caption, const QString& hint, QWidget* parent)
{
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    setHint(box, hint);
    return box;
}

void setEvenStretches(QGridLayout* grid, int columns, int rows)
{
    for (int c = 0; c < columns; ++c)
        grid->setColumnStretch(c, 1);
    for (int r = 0; r < rows; ++r)
        grid->setRowStretch(r, 1);
}

} // namespace

SettingsPage::SettingsPage(QWidget* parent)
    : QWidget(parent)
{
    auto* grid = new QGridLayout(this); // GridPanel5: two columns, five rows of 20 %
    grid->setContentsMargins(kCellMargin, kCellMargin, kCellMargin, kCellMargin);
    grid->addWidget(createViewGroup(), 0, 0, 3, 2);
    grid->addWidget(createMinimizeGroup(), 3, 0, 2, 1);
    grid->addWidget(createClosingGroup(), 3, 1, 2, 1);
    setEvenStretches(grid, 2, 5);
}

QCheckBox* SettingsPage::createCheckBox(const QString& name, const QString& caption, const QString& hint,
                                        QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setCursor(Qt::PointingHandCursor);
    setHint(box, hint);
    return box;
}

QWidget* SettingsPage::createViewGroup()
{
    GroupBox3 = createGroupBox(QStringLiteral("GroupBox3"), QStringLiteral("表示"), QStringLiteral("View"), this);
    CheckBoxShowEto = createCheckBox(QStringLiteral("CheckBoxShowEto"), QStringLiteral("干支も表示"),
                                     QStringLiteral("Show Eto"), GroupBox3);
    CheckBoxShowBold = createCheckBox(QStringLiteral("CheckBoxShowBold"), QStringLiteral("強調表示"),
                                      QStringLiteral("Bold"), GroupBox3);
    CheckBoxStatusBar = createCheckBox(QStringLiteral("CheckBoxStatusBar"), QStringLiteral("ステータスバー"),
                                       QStringLiteral("Show Status Bar"), GroupBox3);
    CheckBoxStayOnTop = createCheckBox(QStringLiteral("CheckBoxStayOnTop"), QStringLiteral("常に最前面"),
                                       QStringLiteral("Stay on Top"), GroupBox3);
    CheckBoxAddItem = createCheckBox(QStringLiteral("CheckBoxAddItem"), QStringLiteral("元年を追加"),
                                     QStringLiteral("Add Original Term"), GroupBox3);

    // The text comes after the font: a line edit made with its text lays it
    // out once in the application's font, which for Japanese text costs a
    // fontconfig fallback search at start.
    Edit61 = new QLineEdit(GroupBox3);
    Edit61->setObjectName(QStringLiteral("Edit61"));
    Edit61->setAlignment(Qt::AlignCenter);
    Edit61->setFont(windowFont(13));
    Edit61->setText(QString::fromUtf8(kDefaultUserEraName.data(), qsizetype(kDefaultUserEraName.size())));
    Edit61->setEnabled(false);
    Edit61->setAccessibleName(QStringLiteral("Original Name"));
    setHint(Edit61, QStringLiteral("Original Name"));

    NumberBox61 = new YearBox(GroupBox3);
    NumberBox61->setObjectName(QStringLiteral("NumberBox61"));
    NumberBox61->setRange(0, kMaxYear);
    NumberBox61->setDisplayFormat(QStringLiteral("0"));
    NumberBox61->setValue(kDefaultUserEraOrigin);
    NumberBox61->setFont(windowFont(13));
    NumberBox61->setEnabled(false);
    NumberBox61->setAccessibleName(QStringLiteral("Original Origin"));
    setHint(NumberBox61, QStringLiteral("Original Origin"));
    NumberBox61->lineEdit()->setAccessibleName(QStringLiteral("Original Origin"));
    setHint(NumberBox61->lineEdit(), QStringLiteral("Original Origin"));

    CheckBoxShowHint = createCheckBox(QStringLiteral("CheckBoxShowHint"), QStringLiteral("Show Hint"),
                                      QStringLiteral("Activate"), GroupBox3);

    auto* grid = new QGridLayout(GroupBox3); // GridPanel7: four columns, two rows
    grid->setContentsMargins(kCellMargin, kCellMargin, kCellMargin, kCellMargin);
    grid->addWidget(CheckBoxShowEto, 0, 0);
    grid->addWidget(CheckBoxShowBold, 0, 1);
    grid->addWidget(CheckBoxStatusBar, 0, 2);
    grid->addWidget(CheckBoxStayOnTop, 0, 3);
    grid->addWidget(CheckBoxAddItem, 1, 0);
    grid->addWidget(Edit61, 1, 1);
    grid->addWidget(NumberBox61, 1, 2);
    grid->addWidget(CheckBoxShowHint, 1, 3);
    setEvenStretches(grid, 4, 2);
    return GroupBox3;
}

QWidget* SettingsPage::createMinimizeGroup()
{
    RadioGroup1 = new RadioGroup(QStringLiteral("最小化時"),
                                 {QStringLiteral("タスクバー"), QStringLiteral("タスクトレイ")}, this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    setHint(RadioGroup1, QStringLiteral("Minimize"));
    RadioGroup1->setItemIndex(0);
    return RadioGroup1;
}

QWidget* SettingsPage::createClosingGroup()
{
    GroupBox1 = createGroupBox(QStringLiteral("GroupBox1"), QStringLiteral("終了時"), QStringLiteral("Closing"), this);
    CheckBoxCloseQuery = createCheckBox(QStringLiteral("CheckBoxCloseQuery"), QStringLiteral("確認する"),
                                        QStringLiteral("Query"), GroupBox1);
    CheckBoxSaveStatus = createCheckBox(QStringLiteral("CheckBoxSaveStatus"), QStringLiteral("設定を保存"),
                                        QStringLiteral("Save Status"), GroupBox1);
    CheckBoxSaveStatus->setChecked(true);

    auto* grid = new QGridLayout(GroupBox1); // GridPanel3
    grid->setContentsMargins(kCellMargin, kCellMargin, kCellMargin, kCellMargin);
    grid->addWidget(CheckBoxCloseQuery, 0, 0);
    grid->addWidget(CheckBoxSaveStatus, 0, 1);
    setEvenStretches(grid, 2, 1);
    return GroupBox1;
}

} // namespace erakon
