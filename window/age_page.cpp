// SPDX-License-Identifier: MIT
#include "window/age_page.h"

#include "core/calendar_texts.h"
#include "core/clock.h"
#include "core/life_profile.h"
#include "core/life_rows.h"
#include "core/year_query.h"
#include "widgets/control_hint.h"
#include "widgets/reset_button.h"
#include "widgets/window_font.h"
#include "window/life_table.h"
#include "window/option_bindings.h"
#include "window/options_model.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <optional>
#include <string>

namespace erakon {
namespace {

using namespace std::chrono;

constexpr int kPageMargin = 3;
constexpr int kEditFontSize = 13;

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// The day as the as-of box shows it: 令和5年5月20日, or 1850年2月3日 outside
// the eras the page names.
QString dayText(year_month_day day, std::span<const JapaneseEra> eras)
{
    const CalendarTexts texts = dateTexts(day, eras);
    return QString::fromStdString(texts.era.empty() ? texts.western : texts.era);
}

// Why a typed date gives no life, for the box it was typed in.
QString queryErrorText(const QString& box, QueryError error)
{
    switch (error) {
    case QueryError::NotAQuery: break;
    case QueryError::NoSuchDate: return box + QStringLiteral("：その日付はありません");
    case QueryError::OutOfRange:
        return box + QStringLiteral("：%1年から%2年までで入れてください").arg(kQueryFirstYear).arg(kQueryLastYear);
    }
    return box
        + QStringLiteral("を読み取れません。平成元年4月2日、H1.4.2、1989-04-02、1989/4/2 のように入れてください");
}

QLabel* createLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QLineEdit* createDateEdit(const char* name, const QString& accessibleName, const QString& hint, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFont(windowFont(kEditFontSize));
    edit->setAccessibleName(accessibleName);
    setHint(edit, hint);
    edit->setClearButtonEnabled(false);
    return edit;
}

QRadioButton* createSexButton(const char* name, Sex sex, const QString& hint, QWidget* parent)
{
    auto* button = new QRadioButton(fromUtf8(sexName(sex)), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setCursor(Qt::PointingHandCursor);
    setHint(button, hint);
    return button;
}

} // namespace

AgePage::AgePage(const Clock& clock, OptionsModel& options, const ModernEras& eras, QWidget* parent)
    : QWidget(parent)
    , m_clock(clock)
    , m_options(options)
    , m_eras(eras)
{
    build();
    showTodayAsOf();
    showLife();
}

AgePage::~AgePage() = default;

void AgePage::build()
{
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
    page->addLayout(createInputs());
    page->addWidget(createResults(), 1);
    QWidget::setTabOrder(m_birthDateEdit, m_asOfDateEdit);
    QWidget::setTabOrder(m_asOfDateEdit, m_maleButton);
    QWidget::setTabOrder(m_maleButton, m_femaleButton);
    QWidget::setTabOrder(m_femaleButton, m_lifeTable);

    m_todayTimer = new QTimer(this);
    m_todayTimer->setObjectName(QStringLiteral("todayTimer"));
    m_todayTimer->setInterval(1000);

    bindSexButtons(m_maleButton, m_femaleButton, m_options, &OptionSettings::sex);
    // Every change but the page's own: typing, pasting, an input method, a
    // screen reader setting the text.
    connect(m_birthDateEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!m_fillingIn)
            birthEdited(text);
    });
    connect(m_asOfDateEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!m_fillingIn)
            asOfEdited(text);
    });
    connect(m_backToTodayButton, &QPushButton::clicked, this, &AgePage::backToToday);
    connect(m_todayTimer, &QTimer::timeout, this, &AgePage::followToday);
    connect(&m_options, &OptionsModel::changed, this, &AgePage::optionChanged);
    if (isVisible())
        m_todayTimer->start();
}

QLayout* AgePage::createInputs()
{
    m_birthDateEdit = createDateEdit("birthDateEdit", QStringLiteral("生年月日"), QStringLiteral("Birth Date"), this);
    m_birthDateEdit->setPlaceholderText(QStringLiteral("平成元年4月2日、1989-04-02、1989"));
    m_asOfDateEdit = createDateEdit("asOfDateEdit", QStringLiteral("基準日"), QStringLiteral("As of"), this);

    m_backToTodayButton = new ResetButton(QStringLiteral("backToTodayButton"), QStringLiteral("Reset to Today"), this);

    m_maleButton = createSexButton("maleButton", Sex::Male, QStringLiteral("Male"), this);
    m_femaleButton = createSexButton("femaleButton", Sex::Female, QStringLiteral("Female"), this);

    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(createLabel(QStringLiteral("生年月日"), m_birthDateEdit, this), 0, 0);
    grid->addWidget(m_birthDateEdit, 0, 1, 1, 2);
    grid->addWidget(m_maleButton, 0, 3);
    grid->addWidget(createLabel(QStringLiteral("基準日"), m_asOfDateEdit, this), 1, 0);
    grid->addWidget(m_asOfDateEdit, 1, 1);
    grid->addWidget(m_backToTodayButton, 1, 2);
    grid->addWidget(m_femaleButton, 1, 3);
    grid->setColumnStretch(1, 1);
    return grid;
}

QWidget* AgePage::createResults()
{
    m_results = new QStackedWidget(this);
    m_results->setObjectName(QStringLiteral("lifeResults"));
    m_lifeTable = new LifeTable(m_results);
    m_lifeTable->setObjectName(QStringLiteral("lifeTable"));
    m_lifeTable->setAccessibleName(QStringLiteral("年齢"));
    setHint(m_lifeTable, QStringLiteral("Ages and Milestones"));
    m_lifeMessage = new QLabel(m_results);
    m_lifeMessage->setObjectName(QStringLiteral("lifeMessage"));
    m_lifeMessage->setAlignment(Qt::AlignCenter);
    m_lifeMessage->setWordWrap(true);
    m_lifeMessage->setFont(windowFont(kEditFontSize));
    m_results->addWidget(m_lifeTable);
    m_results->addWidget(m_lifeMessage);
    return m_results;
}

void AgePage::enter(int conversionYear)
{
    // A year before 0 cannot be typed as a birth: the box is left empty
    // rather than showing what it would refuse.
    if (!m_birthTyped) {
        const bool readable = conversionYear >= kQueryFirstYear && conversionYear <= kQueryLastYear;
        fillIn(m_birthDateEdit, readable ? QString::number(conversionYear) : QString());
    }
    showTodayAsOf();
    showLife();
}

void AgePage::followToday()
{
    if (m_asOfTyped || m_clock.today() == m_today)
        return;
    showTodayAsOf();
    showLife();
}

void AgePage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A day may have passed while the page was hidden.
    followToday();
    m_todayTimer->start();
}

void AgePage::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_todayTimer->stop();
}

// ---------------------------------------------------------------- edits

void AgePage::birthEdited(const QString& text)
{
    m_birthTyped = !text.trimmed().isEmpty();
    showLife();
}

void AgePage::asOfEdited(const QString& text)
{
    // An emptied box is today again.
    m_asOfTyped = !text.trimmed().isEmpty();
    m_backToTodayButton->setEnabled(m_asOfTyped);
    showLife();
}

void AgePage::backToToday()
{
    m_asOfTyped = false;
    showTodayAsOf();
    showLife();
}

void AgePage::optionChanged(OptionKey key)
{
    switch (key) {
    case OptionKey::Sex: // the 厄年
    case OptionKey::AddItem: // the user era a birth may be typed in
    case OptionKey::AddName:
    case OptionKey::AddYear: showLife(); break;
    case OptionKey::ShowEto:
    case OptionKey::StatusBar:
    case OptionKey::StayOnTop:
    case OptionKey::ShowBold:
    case OptionKey::ShowHint:
    case OptionKey::Minimize:
    case OptionKey::CloseQuery:
    case OptionKey::SaveStatus:
    case OptionKey::StyleName: break;
    }
}

// ---------------------------------------------------------------- showing

void AgePage::showTodayAsOf()
{
    m_today = m_clock.today();
    const QString today = dayText(m_today, m_eras.all());
    m_asOfDateEdit->setPlaceholderText(today);
    if (!m_asOfTyped)
        fillIn(m_asOfDateEdit, today);
    m_backToTodayButton->setEnabled(m_asOfTyped);
}

void AgePage::fillIn(QLineEdit* edit, const QString& text)
{
    const QScopedValueRollback filling(m_fillingIn, true);
    edit->setText(text);
}

void AgePage::showLife()
{
    const OptionSettings& options = m_options.values();
    const std::optional<UserEra> userEra = options.userEraShown
        ? std::optional(UserEra{options.userEraName.toStdString(), options.userEraOrigin})
        : std::nullopt;
    const UserEra* shownUserEra = userEra ? &*userEra : nullptr;

    const QString birthText = m_birthDateEdit->text();
    if (birthText.trimmed().isEmpty()) {
        showMessage(QStringLiteral("生年月日か、生まれた年を入れてください"));
        return;
    }
    const QueryResult birth = parseYearQuery(birthText.toStdString(), shownUserEra, m_eras.everyEra());
    if (!birth) {
        showMessage(queryErrorText(QStringLiteral("生年月日"), birth.error));
        return;
    }

    year_month_day asOf = m_today;
    if (m_asOfTyped) {
        const QueryResult typed = parseYearQuery(m_asOfDateEdit->text().toStdString(), shownUserEra, m_eras.everyEra());
        if (!typed) {
            showMessage(queryErrorText(QStringLiteral("基準日"), typed.error));
            return;
        }
        if (!typed.query->date) {
            showMessage(QStringLiteral("基準日は、年月日で入れてください"));
            return;
        }
        asOf = *typed.query->date;
    }

    const LifeResult life = lifeProfile({lifeBirthOf(*birth.query), asOf, options.sex});
    if (!life) {
        showMessage(fromUtf8(lifeErrorText(life.error)));
        return;
    }
    m_lifeTable->showRows(lifeRows(*life.profile, m_eras.all()));
    m_results->setCurrentWidget(m_lifeTable);
}

void AgePage::showMessage(const QString& message)
{
    m_lifeTable->showRows({});
    m_lifeMessage->setText(message);
    m_results->setCurrentWidget(m_lifeMessage);
}

} // namespace erakon
