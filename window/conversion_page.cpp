// SPDX-License-Identifier: MIT
#include "window/conversion_page.h"

#include "core/clock.h"
#include "core/conversion.h"
#include "core/date_format.h"
#include "widgets/control_hint.h"
#include "widgets/reset_button.h"
#include "widgets/window_font.h"
#include "widgets/year_box.h"
#include "window/options_model.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include <algorithm>
#include <span>

namespace erakon {
namespace {

constexpr int kCellMargin = 3;
constexpr int kBoxMargin = 8;

constexpr std::array kEraRows{EraRow::Meiji,  EraRow::Taisho, EraRow::Showa,
                              EraRow::Heisei, EraRow::Reiwa,  EraRow::UserDefined};
static_assert(kEraRows.size() == kEraRowCount);

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// What a row shows and is named by: its era's name, the romanised name in
// capitals as its hint, and that name in small letters as the role in the
// names of its label and box (meijiLabel, meijiYearBox; userEraYearBox).
struct EraRowTexts {
    QString caption;
    QString hint;
    QString role;
};

EraRowTexts eraRowTexts(EraRow row, std::span<const JapaneseEra> eras)
{
    if (row == EraRow::UserDefined) {
        const EraInfo& info = kEraTable[std::size_t(row)];
        return {fromUtf8(info.caption), fromUtf8(info.hint), QStringLiteral("userEra")};
    }
    const JapaneseEra& era = eras[std::size_t(row)];
    const QString romanised = fromUtf8(era.romanised);
    const QString lower = romanised.toLower();
    QString role;
    for (const QChar c : lower) {
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
            role += c;
    }
    if (role.isEmpty())
        role = QStringLiteral("era%1").arg(int(row) + 1);
    return {fromUtf8(era.name), romanised.toUpper(), role};
}

YearBox* createYearBox(const QString& name, const QString& accessibleName, const QString& hint, QWidget* parent)
{
    auto* box = new YearBox(parent);
    box->setObjectName(name);
    box->setRange(kMinYear, kMaxYear);
    box->setDisplayFormat(QStringLiteral("0"));
    box->setAccessibleName(accessibleName);
    setHint(box, hint);
    box->lineEdit()->setAccessibleName(accessibleName);
    setHint(box->lineEdit(), hint);
    return box;
}

QLabel* createLabel(const QString& name, const QString& text, const QString& hint, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    setHint(label, hint);
    return label;
}

// The Western year a box's value stands for, counted from `base`, within the
// Western box's range: a box being typed in can hold any number.
int westernYearFrom(int value, int base)
{
    return int(std::clamp(static_cast<long long>(value) + base, static_cast<long long>(kMinYear),
                          static_cast<long long>(kMaxYear)));
}

// Rows and columns share the space by the given percentages.
void setStretches(QGridLayout* grid, std::initializer_list<int> columns, std::initializer_list<int> rows)
{
    int i = 0;
    for (int stretch : columns)
        grid->setColumnStretch(i++, stretch);
    i = 0;
    for (int stretch : rows)
        grid->setRowStretch(i++, stretch);
}

} // namespace

ConversionPage::ConversionPage(const Clock& clock, const DateFormatSettings& formatSettings,
                               const OptionsModel& options, QAction* closeAction, const ModernEras& eras,
                               QWidget* parent)
    : QWidget(parent)
    , m_clock(clock)
    , m_formatSettings(formatSettings)
    , m_options(options)
    , m_eras(eras)
    , m_userEraOrigin(options.values().userEraOrigin)
{
    auto* groups = new QGridLayout; // the era years left, the Western year right
    groups->setContentsMargins(0, 0, 0, 0);
    groups->setSpacing(0);
    groups->addWidget(createEraGroup(), 0, 0);
    groups->addWidget(createWesternYearGroup(), 0, 1);
    setStretches(groups, {75, 25}, {100});

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addLayout(groups, 1);
    page->addWidget(createSentenceButton(closeAction));
    orderTabs();

    showUserEra();

    connect(m_westernYearBox, &YearBox::changed, this, &ConversionPage::westernYearEdited);
    for (const EraRow era : kEraRows)
        connect(m_eraYearBoxes[era], &YearBox::changed, this, [this, era] { eraYearEdited(era); });
    connect(m_yearsFromNowBox, &YearBox::changed, this, &ConversionPage::yearsFromNowEdited);
    connect(m_backToNowButton, &QPushButton::clicked, this, &ConversionPage::resetToCurrentYear);
    connect(&options, &OptionsModel::changed, this, &ConversionPage::optionChanged);
}

QWidget* ConversionPage::createEraGroup()
{
    m_japaneseEraGroup = new QGroupBox(QStringLiteral("和暦"), this);
    m_japaneseEraGroup->setObjectName(QStringLiteral("japaneseEraGroup"));
    m_japaneseEraGroup->setFont(windowFont(13));
    setHint(m_japaneseEraGroup, QStringLiteral("Japanese Era"));

    auto* grid = new QGridLayout(m_japaneseEraGroup);
    grid->setContentsMargins(kBoxMargin, kCellMargin, kBoxMargin, kCellMargin);
    grid->setHorizontalSpacing(2 * kBoxMargin);
    grid->setVerticalSpacing(0);
    for (const EraRow era : kEraRows) {
        const EraRowTexts texts = eraRowTexts(era, m_eras.latest());
        m_eraLabels[era] = createLabel(texts.role + QStringLiteral("Label"), texts.caption, texts.hint,
                                       m_japaneseEraGroup);
        m_eraYearBoxes[era] = createYearBox(texts.role + QStringLiteral("YearBox"), texts.caption, texts.hint,
                                            m_japaneseEraGroup);
        // Three eras a line: the labels above their boxes.
        const int row = int(era);
        const int gridRow = (row / 3) * 2;
        const int column = row % 3;
        grid->addWidget(m_eraLabels[era], gridRow, column);
        grid->addWidget(m_eraYearBoxes[era], gridRow + 1, column);
    }
    setStretches(grid, {1, 1, 1}, {25, 25, 25, 25});
    return m_japaneseEraGroup;
}

QWidget* ConversionPage::createWesternYearGroup()
{
    m_westernYearGroup = new QGroupBox(QStringLiteral("西暦"), this);
    m_westernYearGroup->setObjectName(QStringLiteral("westernYearGroup"));
    m_westernYearGroup->setFont(windowFont(13));
    setHint(m_westernYearGroup, QStringLiteral("Year"));

    m_backToNowButton = new ResetButton(QStringLiteral("backToNowButton"), QStringLiteral("Reset to Now"),
                                        m_westernYearGroup);

    m_westernYearBox = createYearBox(QStringLiteral("westernYearBox"), QStringLiteral("西暦"), QStringLiteral("A.D."),
                                     m_westernYearGroup);

    m_yearsFromNowLabel = createLabel(QStringLiteral("yearsFromNowLabel"), QStringLiteral("今から"),
                                      QStringLiteral("From Now"), m_westernYearGroup);
    m_yearsFromNowLabel->setFont(windowFont(12));

    m_yearsFromNowBox = createYearBox(QStringLiteral("yearsFromNowBox"), QStringLiteral("今から"),
                                      QStringLiteral("From Now"), m_westernYearGroup);

    auto* grid = new QGridLayout(m_westernYearGroup);
    grid->setContentsMargins(kBoxMargin, kCellMargin, kBoxMargin, kCellMargin);
    grid->setVerticalSpacing(0);
    grid->addWidget(m_backToNowButton, 0, 0, Qt::AlignRight);
    grid->addWidget(m_westernYearBox, 1, 0);
    grid->addWidget(m_yearsFromNowLabel, 2, 0);
    grid->addWidget(m_yearsFromNowBox, 3, 0);
    setStretches(grid, {1}, {25, 25, 25, 25});
    return m_westernYearGroup;
}

QWidget* ConversionPage::createSentenceButton(QAction* closeAction)
{
    m_sentenceButton = new QPushButton(this);
    m_sentenceButton->setObjectName(QStringLiteral("sentenceButton"));
    setHint(m_sentenceButton, QStringLiteral("Close"));
    m_sentenceButton->setFixedHeight(33);
    m_sentenceButton->setFocusPolicy(Qt::NoFocus);
    m_sentenceButton->setCursor(Qt::PointingHandCursor);
    connect(m_sentenceButton, &QPushButton::clicked, closeAction, &QAction::trigger);
    return m_sentenceButton;
}

// The era boxes in their order, then the Western year and the years from now.
void ConversionPage::orderTabs()
{
    QWidget* previous = nullptr;
    for (QWidget* box : m_eraYearBoxes) {
        if (previous)
            QWidget::setTabOrder(previous, box);
        previous = box;
    }
    QWidget::setTabOrder(previous, m_westernYearBox);
    QWidget::setTabOrder(m_westernYearBox, m_yearsFromNowBox);
}

void ConversionPage::refresh() { showYear(m_year); }

int ConversionPage::startAt(int year)
{
    showYear(year);
    return m_year;
}

void ConversionPage::showYearText(const QString& text) { m_westernYearBox->setText(text); }

QString ConversionPage::westernYearText() const { return m_westernYearBox->text(); }

void ConversionPage::resetToCurrentYear()
{
    m_westernYearBox->setText(fromUtf8(formatDatePattern("yyyy", m_clock.now(), m_formatSettings)));
}

EraOffsets ConversionPage::eraOffsets() const { return m_eras.offsetsFor(m_userEraOrigin); }

// ---------------------------------------------------------------- edits

void ConversionPage::westernYearEdited()
{
    if (!m_settingBoxes)
        showYear(m_westernYearBox->intValue());
}

void ConversionPage::eraYearEdited(EraRow era)
{
    if (!m_settingBoxes)
        showYear(westernYearFrom(m_eraYearBoxes[era]->intValue(), eraOffsets()[std::size_t(era)]));
}

void ConversionPage::yearsFromNowEdited()
{
    if (!m_settingBoxes)
        showYear(westernYearFrom(m_yearsFromNowBox->intValue(), m_clock.currentYear()));
}

void ConversionPage::optionChanged(OptionKey key)
{
    switch (key) {
    case OptionKey::ShowEto: // the sentence
    case OptionKey::ShowBold: showYear(m_year); break;
    case OptionKey::AddItem:
    case OptionKey::AddName: showUserEra(); break;
    // A new origin waits for the next conversion: while it is typed on the
    // settings page, a value it passes through must not move the year.
    case OptionKey::AddYear: m_userEraOrigin = m_options.values().userEraOrigin; break;
    case OptionKey::StatusBar:
    case OptionKey::StayOnTop:
    case OptionKey::ShowHint:
    case OptionKey::Minimize:
    case OptionKey::CloseQuery:
    case OptionKey::SaveStatus:
    case OptionKey::StyleName:
    case OptionKey::Sex: break;
    }
}

// ---------------------------------------------------------------- showing

// Shows the year, brought within the years every box can hold. The boxes are
// set with their handlers held off. A box is set when the year moves, or when
// it holds another value than the year gives it; otherwise it keeps its text,
// so that the box being typed in keeps what is typed (leading zeros, an
// expression begun, an emptied box at the value it held).
void ConversionPage::showYear(int year)
{
    const OptionSettings& options = m_options.values();
    const Conversion shown = convertYear(year, eraOffsets(), m_clock.today(), {options.showEto, options.showBold});
    const bool moved = shown.westernYear != m_year;
    m_year = shown.westernYear;
    {
        const QScopedValueRollback holdOff(m_settingBoxes, true);
        const auto setBox = [moved](YearBox* box, int value) {
            if (moved || box->intValue() != value)
                box->setValue(value);
        };
        setBox(m_westernYearBox, shown.westernYear);
        for (const EraRow era : kEraRows)
            setBox(m_eraYearBoxes[era], shown.eraYears[std::size_t(era)]);
        setBox(m_yearsFromNowBox, shown.yearsFromNow);
    }
    m_yearsFromNowBox->setDisplayFormat(fromUtf8(shown.yearsFromNowFormat));
    m_sentenceButton->setText(fromUtf8(shown.sentence));
    m_backToNowButton->setEnabled(shown.backToNowEnabled);
    showEmphasis(shown.emphasis);
}

// The user era's row under its name, shown with the option; a hidden box
// keeps following the year.
void ConversionPage::showUserEra()
{
    const OptionSettings& options = m_options.values();
    QLabel* userEraLabel = m_eraLabels[EraRow::UserDefined];
    YearBox* userEraYearBox = m_eraYearBoxes[EraRow::UserDefined];
    userEraLabel->setText(options.userEraName);
    userEraYearBox->lineEdit()->setAccessibleName(options.userEraName);
    userEraLabel->setVisible(options.userEraShown);
    userEraYearBox->setVisible(options.userEraShown);
}

void ConversionPage::showEmphasis(const EraEmphasis& emphasis)
{
    for (const EraRow era : kEraRows) {
        setBold(m_eraYearBoxes[era], emphasis.rowBold[std::size_t(era)]);
        setBold(m_eraLabels[era], emphasis.rowBold[std::size_t(era)]);
    }
    setBold(m_westernYearBox, emphasis.westernBold);
}

} // namespace erakon
