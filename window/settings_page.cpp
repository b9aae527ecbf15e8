// SPDX-License-Identifier: MIT
#include "window/settings_page.h"

#include "core/era_table.h"
#include "settings/profile_reader.h"
#include "widgets/control_hint.h"
#include "widgets/radio_group.h"
#include "widgets/window_font.h"
#include "widgets/year_box.h"
#include "window/option_bindings.h"
#include "window/options_model.h"

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

SettingsPage::SettingsPage(OptionsModel& options, QWidget* parent)
    : QWidget(parent)
{
    auto* grid = new QGridLayout(this); // two columns, five rows of 20 %
    grid->setContentsMargins(kCellMargin, kCellMargin, kCellMargin, kCellMargin);
    grid->addWidget(createViewGroup(), 0, 0, 3, 2);
    grid->addWidget(createMinimizeTargetGroup(), 3, 0, 2, 1);
    grid->addWidget(createClosingGroup(), 3, 1, 2, 1);
    setEvenStretches(grid, 2, 5);
    bindToOptions(options);
    bindUserEraEdits();
}

QCheckBox* SettingsPage::createCheck(const QString& name, const QString& caption, const QString& hint, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setCursor(Qt::PointingHandCursor);
    setHint(box, hint);
    return box;
}

QWidget* SettingsPage::createViewGroup()
{
    m_viewGroup = createGroupBox(QStringLiteral("viewGroup"), QStringLiteral("表示"), QStringLiteral("View"), this);
    m_showZodiacCheck = createCheck(QStringLiteral("showZodiacCheck"), QStringLiteral("干支も表示"),
                                    QStringLiteral("Show Eto"), m_viewGroup);
    m_emphasizeErasCheck = createCheck(QStringLiteral("emphasizeErasCheck"), QStringLiteral("強調表示"),
                                       QStringLiteral("Bold"), m_viewGroup);
    m_showStatusBarCheck = createCheck(QStringLiteral("showStatusBarCheck"), QStringLiteral("ステータスバー"),
                                       QStringLiteral("Show Status Bar"), m_viewGroup);
    m_stayOnTopCheck = createCheck(QStringLiteral("stayOnTopCheck"), QStringLiteral("常に最前面"),
                                   QStringLiteral("Stay on Top"), m_viewGroup);
    m_showUserEraCheck = createCheck(QStringLiteral("showUserEraCheck"), QStringLiteral("元年を追加"),
                                     QStringLiteral("Add Original Term"), m_viewGroup);

    // The text comes after the font: a line edit made with its text lays it
    // out once in the application's font, which for Japanese text costs a
    // fontconfig fallback search at start.
    m_userEraNameEdit = new QLineEdit(m_viewGroup);
    m_userEraNameEdit->setObjectName(QStringLiteral("userEraNameEdit"));
    m_userEraNameEdit->setAlignment(Qt::AlignCenter);
    m_userEraNameEdit->setFont(windowFont(13));
    m_userEraNameEdit->setText(QString::fromUtf8(kDefaultUserEraName.data(), qsizetype(kDefaultUserEraName.size())));
    // A longer name would come back cut at the next start.
    m_userEraNameEdit->setMaxLength(int(ProfileReader::kProfileValueMaxLength));
    m_userEraNameEdit->setAccessibleName(QStringLiteral("Original Name"));
    setHint(m_userEraNameEdit, QStringLiteral("Original Name"));

    const OptionEntry& origin = optionEntry(OptionKey::AddYear);
    m_userEraOriginBox = new YearBox(m_viewGroup);
    m_userEraOriginBox->setObjectName(QStringLiteral("userEraOriginBox"));
    m_userEraOriginBox->setRange(origin.least, origin.most);
    m_userEraOriginBox->setDisplayFormat(QStringLiteral("0"));
    m_userEraOriginBox->setValue(kDefaultUserEraOrigin);
    m_userEraOriginBox->setFont(windowFont(13));
    m_userEraOriginBox->setAccessibleName(QStringLiteral("Original Origin"));
    setHint(m_userEraOriginBox, QStringLiteral("Original Origin"));
    m_userEraOriginBox->lineEdit()->setAccessibleName(QStringLiteral("Original Origin"));
    setHint(m_userEraOriginBox->lineEdit(), QStringLiteral("Original Origin"));

    m_showHintsCheck = createCheck(QStringLiteral("showHintsCheck"), QStringLiteral("Show Hint"),
                                   QStringLiteral("Activate"), m_viewGroup);

    auto* grid = new QGridLayout(m_viewGroup); // four columns, two rows
    grid->setContentsMargins(kCellMargin, kCellMargin, kCellMargin, kCellMargin);
    grid->addWidget(m_showZodiacCheck, 0, 0);
    grid->addWidget(m_emphasizeErasCheck, 0, 1);
    grid->addWidget(m_showStatusBarCheck, 0, 2);
    grid->addWidget(m_stayOnTopCheck, 0, 3);
    grid->addWidget(m_showUserEraCheck, 1, 0);
    grid->addWidget(m_userEraNameEdit, 1, 1);
    grid->addWidget(m_userEraOriginBox, 1, 2);
    grid->addWidget(m_showHintsCheck, 1, 3);
    setEvenStretches(grid, 4, 2);
    return m_viewGroup;
}

QWidget* SettingsPage::createMinimizeTargetGroup()
{
    m_minimizeTargetGroup = new RadioGroup(QStringLiteral("最小化時"),
                                           {QStringLiteral("タスクバー"), QStringLiteral("タスクトレイ")}, this);
    m_minimizeTargetGroup->setObjectName(QStringLiteral("minimizeTargetGroup"));
    setHint(m_minimizeTargetGroup, QStringLiteral("Minimize"));
    m_minimizeTargetGroup->setItemIndex(kMinimizeToTaskbar);
    return m_minimizeTargetGroup;
}

QWidget* SettingsPage::createClosingGroup()
{
    m_closingGroup = createGroupBox(QStringLiteral("closingGroup"), QStringLiteral("終了時"), QStringLiteral("Closing"),
                                    this);
    m_askBeforeClosingCheck = createCheck(QStringLiteral("askBeforeClosingCheck"), QStringLiteral("確認する"),
                                          QStringLiteral("Query"), m_closingGroup);
    m_saveSettingsCheck = createCheck(QStringLiteral("saveSettingsCheck"), QStringLiteral("設定を保存"),
                                      QStringLiteral("Save Status"), m_closingGroup);

    auto* grid = new QGridLayout(m_closingGroup);
    grid->setContentsMargins(kCellMargin, kCellMargin, kCellMargin, kCellMargin);
    grid->addWidget(m_askBeforeClosingCheck, 0, 0);
    grid->addWidget(m_saveSettingsCheck, 0, 1);
    setEvenStretches(grid, 2, 1);
    return m_closingGroup;
}

void SettingsPage::bindToOptions(OptionsModel& options)
{
    bindCheckBox(m_showZodiacCheck, options, &OptionSettings::showEto);
    bindCheckBox(m_emphasizeErasCheck, options, &OptionSettings::showBold);
    bindCheckBox(m_showStatusBarCheck, options, &OptionSettings::statusBar);
    bindCheckBox(m_stayOnTopCheck, options, &OptionSettings::stayOnTop);
    bindCheckBox(m_showUserEraCheck, options, &OptionSettings::userEraShown);
    bindLineEdit(m_userEraNameEdit, options, &OptionSettings::userEraName);
    bindYearBox(m_userEraOriginBox, options, &OptionSettings::userEraOrigin);
    bindCheckBox(m_showHintsCheck, options, &OptionSettings::showHint);
    bindRadioGroup(m_minimizeTargetGroup, options, &OptionSettings::minimize);
    bindCheckBox(m_askBeforeClosingCheck, options, &OptionSettings::closeQuery);
    bindCheckBox(m_saveSettingsCheck, options, &OptionSettings::saveStatus);
}

// The user era's name and then its origin can be edited exactly while
// "元年を追加" is checked.
void SettingsPage::bindUserEraEdits()
{
    for (QWidget* edit : std::initializer_list<QWidget*>{m_userEraNameEdit, m_userEraOriginBox}) {
        edit->setEnabled(m_showUserEraCheck->isChecked());
        connect(m_showUserEraCheck, &QAbstractButton::toggled, edit, &QWidget::setEnabled);
    }
}

void SettingsPage::disableStayOnTop(const QString& why)
{
    m_stayOnTopCheck->setEnabled(false);
    setHint(m_stayOnTopCheck, why);
}

void SettingsPage::setMinimizeTargetHint(const QString& hint) { setHint(m_minimizeTargetGroup, hint); }

} // namespace erakon
