// SPDX-License-Identifier: MIT
#include "search/year_search.h"

#include "core/life_profile.h"
#include "core/life_rows.h"
#include "core/year_description.h"

namespace erakon {

namespace {

// Far longer than any year, era year or date; a longer text is turned down
// before it is converted or read.
constexpr qsizetype kLongestQuery = 64;

// Between a search for a life and a row's place among its answers.
constexpr QChar kRowMark = u'#';

QString qString(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// The words of a text, at any blank (an ideographic space too).
QStringList blankSeparated(const QString& text)
{
    QStringList words;
    QString word;
    for (const QChar c : text) {
        if (!c.isSpace()) {
            word += c;
        } else if (!word.isEmpty()) {
            words << word;
            word.clear();
        }
    }
    if (!word.isEmpty())
        words << word;
    return words;
}

// Between the note and the sentence.
const QString kIdeographicSpace = QStringLiteral("\u3000");

// Between the parts of KRunner's subtext.
const QString kMiddleDot = QStringLiteral("・");

// Before the other readings of a text that fits more than one era.
const QString kOtherReadings = QStringLiteral("ほかに ");

// "1989年 = 昭和64年・平成元年", "令和5年 = 2023年": the other calendar's answer
// to what was asked. A year before the first era has no era answer.
QString runnerText(const YearDescription& description)
{
    const bool askedInEras = description.query.era() != nullptr;
    const std::string& other = askedInEras ? description.westernText : description.eraText;
    QString text = QString::fromStdString(description.askedText);
    if (!other.empty())
        text += QStringLiteral(" = ") + QString::fromStdString(other);
    return text;
}

QString runnerSubtext(const YearDescription& description)
{
    QStringList parts;
    // 平成35年 asked: the year is 令和5年; 昭和64年1月8日 asked: the day is in
    // 平成元年. This and a date leave no room for the zodiac.
    if (!description.note.empty() && !description.eraText.empty()) {
        const std::string& era = description.eraText;
        constexpr std::string_view kYearMark = "年";
        const std::size_t year = era.find(kYearMark);
        parts << QString::fromStdString(year == std::string::npos ? era : era.substr(0, year + kYearMark.size()));
    }
    parts << QString::fromStdString(description.yearsFromNowText);
    if (description.note.empty() && !description.query.date)
        parts << QString::fromStdString(description.etoText);
    return parts.join(kMiddleDot);
}

} // namespace

YearSearch::YearSearch(const Clock& clock, UserEraSource userEra, std::span<const HistoricalEra> eras)
    : m_clock(clock)
    , m_userEra(std::move(userEra))
    , m_eras(eras)
    , m_modernEras(eras)
{}

QString YearSearch::queryText(const QStringList& terms) { return terms.join(u' '); }

std::vector<SearchAnswer> YearSearch::answers(const QString& text) const
{
    if (text.size() > kLongestQuery)
        return {};
    const std::optional<UserEra> userEra = m_userEra ? m_userEra() : std::nullopt;
    const UserEra* shownUserEra = userEra ? &*userEra : nullptr;
    if (std::optional<SearchAnswer> converted = conversion(text, shownUserEra))
        return {std::move(*converted)};
    return lifeAnswers(text, shownUserEra);
}

std::optional<SearchAnswer> YearSearch::find(const QString& id) const
{
    const auto withId = [&id](const std::vector<SearchAnswer>& found) -> std::optional<SearchAnswer> {
        for (const SearchAnswer& answer : found) {
            if (answer.id == id)
                return answer;
        }
        return std::nullopt;
    };
    if (std::optional<SearchAnswer> answer = withId(answers(id)))
        return answer;
    const qsizetype mark = id.lastIndexOf(kRowMark);
    return mark < 0 ? std::nullopt : withId(answers(id.left(mark)));
}

std::optional<SearchAnswer> YearSearch::conversion(const QString& text, const UserEra* userEra) const
{
    const QByteArray utf8 = text.toUtf8();
    const QueryResult query = parseYearQuery(std::string_view(utf8.constData(), std::size_t(utf8.size())), userEra,
                                             m_eras);
    if (!query)
        return std::nullopt;

    const YearDescription description = describeYear(*query.query, userEra, m_clock.today(), m_eras);
    // The text fits other eras too: each of them is named, never guessed away.
    QStringList others;
    for (const YearQuery& other : query.otherReadings) {
        const YearDescription otherDescription = describeYear(other, userEra, m_clock.today(), m_eras);
        others << QString::fromStdString(otherDescription.askedText + " = " + otherDescription.westernText);
    }
    SearchAnswer answer;
    answer.id = text;
    answer.title = QString::fromStdString(description.summary());
    answer.description = QString::fromStdString(description.sentence);
    if (!description.note.empty())
        answer.description.prepend(QString::fromUtf8(kNoteMark) + QString::fromStdString(description.note)
                                   + kIdeographicSpace);
    if (!others.isEmpty())
        answer.description.prepend(kOtherReadings + others.join(kMiddleDot) + kIdeographicSpace);
    answer.runnerText = runnerText(description);
    answer.runnerSubtext = runnerSubtext(description);
    if (!others.isEmpty())
        answer.runnerSubtext += kMiddleDot + kOtherReadings + others.join(kMiddleDot);
    answer.westernYear = description.westernYear;
    return answer;
}

std::vector<SearchAnswer> YearSearch::lifeAnswers(const QString& text, const UserEra* userEra) const
{
    QStringList words = blankSeparated(text);
    Sex sex = Sex::Male;
    for (const Sex named : {Sex::Male, Sex::Female}) {
        if (words.removeAll(qString(sexName(named))) > 0)
            sex = named;
    }
    if (words.size() < 2)
        return {};
    // The word that asks is the last or the first; the birth is the rest.
    for (const bool wordLast : {true, false}) {
        const QString word = wordLast ? words.last() : words.first();
        const QString birthText = (wordLast ? words.mid(0, words.size() - 1) : words.mid(1)).join(u' ');
        const QByteArray birthUtf8 = birthText.toUtf8();
        const QueryResult birth = parseYearQuery(std::string_view(birthUtf8.constData(), std::size_t(birthUtf8.size())),
                                                 userEra, m_eras);
        if (!birth)
            continue;
        const LifeResult life = lifeProfile({lifeBirthOf(*birth.query), m_clock.today(), sex});
        if (!life)
            continue;
        const std::vector<LifeRow> rows = lifeRows(*life.profile, m_modernEras.all());
        const QByteArray wordUtf8 = word.toUtf8();
        const std::vector<LifeRow> found = lifeRowsAbout(
            rows, std::string_view(wordUtf8.constData(), std::size_t(wordUtf8.size())));
        if (found.empty())
            continue;
        // 平成元年生まれ (平成元年（1989年）生まれ): whose life the rows are.
        const QString whose = QString::fromStdString(rows.front().when.combined()) + QStringLiteral("生まれ");
        std::vector<SearchAnswer> answers;
        for (const LifeRow& row : found) {
            SearchAnswer answer;
            answer.id = text + kRowMark + QString::number(answers.size());
            answer.title = QString::fromStdString(row.standaloneText());
            answer.description = whose;
            answer.runnerText = answer.title;
            answer.runnerSubtext = whose;
            answer.westernYear = row.kind == LifeRow::Kind::When ? row.year : life.profile->request.birth.year;
            answers.push_back(std::move(answer));
        }
        return answers;
    }
    return {};
}

} // namespace erakon
