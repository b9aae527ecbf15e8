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

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace erakon {
namespace {

constexpr int kCellMargin = 3;
constexpr int kBoxMargin = 8;

constexpr std::array kEraRows{EraRow::Meiji,  EraRow::Taisho, EraRow::Showa,
                              EraRow::Heisei, EraRow::Reiwa,  EraRow::UserDefined};
static_assert(kEraRows.size() == kEraRowCount);

// The role of each row in the names of its label and box: meijiLabel, meijiYearBox, ...
QString eraRole(EraRow era)
{
    constexpr std::array<const char*, kEraRowCount> kRoles{"meiji", "taisho", "showa", "heisei", "reiwa", "userEra"};
    return QString::fromLatin1(kRoles[std::size_t(era)]);
}

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

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

ConversionPage::ConversionPage(const Clock& clock, const TFormatSettings& formatSettings, const OptionsModel& options,
                               QWidget* parent)
    : QWidget(parent)
    , m_clock(clock)
    , m_formatSettings(formatSettings)
    , m_options(options)
    , m_userEraOffset(eraOffsetsFor(options.values().addYear)[std::size_t(EraRow::UserDefined)])
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
    page->addWidget(createSentenceButton());
    orderTabs();

    connect(m_westernYearBox, &YearBox::changed, this, &ConversionPage::westernYearChanged);
    for (const EraRow era : kEraRows)
        connect(m_eraYearBoxes[era], &YearBox::changed, this, [this, era] { eraYearChanged(era); });
    connect(m_yearsFromNowBox, &YearBox::changed, this, &ConversionPage::yearsFromNowChanged);
    connect(m_backToNowButton, &QPushButton::clicked, this, &ConversionPage::resetToCurrentYear);
    connect(m_sentenceButton, &QPushButton::clicked, this, &ConversionPage::closeRequested);
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
        const EraInfo& info = kEraTable[std::size_t(era)];
        const QString hint = fromUtf8(info.hint);
        m_eraLabels[era] = createLabel(eraRole(era) + QStringLiteral("Label"), fromUtf8(info.caption), hint,
                                       m_japaneseEraGroup);
        m_eraYearBoxes[era] = createYearBox(eraRole(era) + QStringLiteral("YearBox"), fromUtf8(info.caption), hint,
                                            m_japaneseEraGroup);
        // Three eras a line: the labels above their boxes.
        const int row = int(era);
        const int gridRow = (row / 3) * 2;
        const int column = row % 3;
        grid->addWidget(m_eraLabels[era], gridRow, column);
        grid->addWidget(m_eraYearBoxes[era], gridRow + 1, column);
    }
    m_eraLabels[EraRow::UserDefined]->hide();
    setStretches(grid, {1, 1, 1}, {25, 25, 25, 25});
    return m_japaneseEraGroup;
}

QWidget* ConversionPage::createWesternYearGroup()
{
    m_westernYearGroup = new QGroupBox(QStringLiteral("西暦"), this);
    m_westernYearGroup->setObjectName(QStringLiteral("westernYearGroup"));
    m_westernYearGroup->setFont(windowFont(13));
    setHint(m_westernYearGroup, QStringLiteral("Year"));

    m_backToNowButton = new ResetButton(m_westernYearGroup);
    m_backToNowButton->setObjectName(QStringLiteral("backToNowButton"));
    m_backToNowButton->setAccessibleName(QStringLiteral("Reset to Now"));
    setHint(m_backToNowButton, QStringLiteral("Reset to Now"));
    m_backToNowButton->setFixedWidth(30);
    m_backToNowButton->setFocusPolicy(Qt::NoFocus);
    m_backToNowButton->setCursor(Qt::PointingHandCursor);
    m_backToNowButton->setEnabled(false);

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

QWidget* ConversionPage::createSentenceButton()
{
    m_sentenceButton = new QPushButton(this);
    m_sentenceButton->setObjectName(QStringLiteral("sentenceButton"));
    setHint(m_sentenceButton, QStringLiteral("Close"));
    m_sentenceButton->setFixedHeight(33);
    m_sentenceButton->setFocusPolicy(Qt::NoFocus);
    m_sentenceButton->setCursor(Qt::PointingHandCursor);
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

void ConversionPage::refresh() { convertFrom(m_westernYearBox->intValue()); }

int ConversionPage::startAt(int year)
{
    m_westernYearBox->setValue(year);
    return m_westernYearBox->intValue();
}

void ConversionPage::showYearText(const QString& text) { m_westernYearBox->setText(text); }

QString ConversionPage::westernYearText() const { return m_westernYearBox->text(); }

void ConversionPage::resetToCurrentYear()
{
    m_westernYearBox->setText(fromUtf8(FormatDatePattern("yyyy", m_clock.now(), m_formatSettings)));
}

EraOffsets ConversionPage::eraOffsets() const
{
    EraOffsets offsets = eraOffsetsFor(0);
    offsets[std::size_t(EraRow::UserDefined)] = m_userEraOffset;
    return offsets;
}

// Each box set here that changes runs its own handler before the next one is
// set; that handler sets the Western year to the value it holds, which is quiet.
void ConversionPage::convertFrom(int year)
{
    const OptionSettings& options = m_options.values();
    m_userEraOffset = eraOffsetsFor(options.addYear)[std::size_t(EraRow::UserDefined)];
    const Conversion shown = convertYear(year, eraOffsets(), m_clock.today(), {options.showEto, options.showBold});

    // A year whose era years or distance would leave the boxes' range is
    // brought within it first, so that every box shows the same year. The
    // box's own change converts the year it now holds; this run then finds
    // every box set.
    if (shown.westernYear != year)
        m_westernYearBox->setValue(shown.westernYear);
    for (const EraRow era : kEraRows)
        m_eraYearBoxes[era]->setValue(shown.eraYears[std::size_t(era)]);
    m_yearsFromNowBox->setValue(shown.yearsFromNow);
    showYearsFromNowSign();
    m_sentenceButton->setText(fromUtf8(shown.sentence));
    m_backToNowButton->setEnabled(shown.backToNowEnabled);

    QLabel* userEraLabel = m_eraLabels[EraRow::UserDefined];
    YearBox* userEraYearBox = m_eraYearBoxes[EraRow::UserDefined];
    userEraLabel->setText(options.addName);
    userEraYearBox->lineEdit()->setAccessibleName(options.addName);
    // A hidden box keeps following the year.
    userEraLabel->setVisible(options.addItem);
    userEraYearBox->setVisible(options.addItem);
    showEmphasis(shown.emphasis);
}

void ConversionPage::westernYearChanged() { convertFrom(m_westernYearBox->intValue()); }

void ConversionPage::eraYearChanged(EraRow era)
{
    const YearBox* box = m_eraYearBoxes[era];
    m_westernYearBox->setValue(westernYearOf(box->intValue(), eraOffsets()[std::size_t(era)]));
    // Read again: the conversion that ran may have taken the user era's origin anew.
    pullBackToWesternYear(box, eraOffsets()[std::size_t(era)]);
}

void ConversionPage::yearsFromNowChanged()
{
    const int currentYear = m_clock.currentYear();
    m_westernYearBox->setValue(m_yearsFromNowBox->intValue() + currentYear);
    pullBackToWesternYear(m_yearsFromNowBox, currentYear);
    showYearsFromNowSign();
}

void ConversionPage::pullBackToWesternYear(const YearBox* box, int base)
{
    // A value whose Western year lies beyond the range leaves the Western
    // box at its limit, unchanged and quiet; the conversion then brings this
    // box back to the year the page shows.
    if (box->intValue() != m_westernYearBox->intValue() - base)
        refresh();
}

void ConversionPage::showYearsFromNowSign()
{
    const std::string_view format = m_yearsFromNowBox->intValue() >= 0 ? kYearsAheadFormat : kYearsAgoFormat;
    m_yearsFromNowBox->setDisplayFormat(fromUtf8(format));
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
