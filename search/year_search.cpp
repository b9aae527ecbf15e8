// SPDX-License-Identifier: MIT
#include "search/year_search.h"

#include "core/year_description.h"

namespace erakon {

namespace {

// Far longer than any year, era year or date; a longer text is turned down
// before it is converted or read.
constexpr qsizetype kLongestQuery = 64;

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
{}

QString YearSearch::queryText(const QStringList& terms) { return terms.join(u' '); }

std::optional<SearchAnswer> YearSearch::answer(const QString& text) const
{
    if (text.size() > kLongestQuery)
        return std::nullopt;
    const std::optional<UserEra> userEra = m_userEra ? m_userEra() : std::nullopt;
    const UserEra* shownUserEra = userEra ? &*userEra : nullptr;
    const QByteArray utf8 = text.toUtf8();
    const QueryResult query = parseYearQuery(std::string_view(utf8.constData(), std::size_t(utf8.size())), shownUserEra,
                                             m_eras);
    if (!query)
        return std::nullopt;

    const YearDescription description = describeYear(*query.query, shownUserEra, m_clock.today(), m_eras);
    // The text fits other eras too: each of them is named, never guessed away.
    QStringList others;
    for (const YearQuery& other : query.otherReadings) {
        const YearDescription otherDescription = describeYear(other, shownUserEra, m_clock.today(), m_eras);
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

} // namespace erakon
