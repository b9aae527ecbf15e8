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

} // namespace

YearSearch::YearSearch(const Clock& clock, UserEraSource userEra)
    : m_clock(clock)
    , m_userEra(std::move(userEra))
{}

QString YearSearch::queryText(const QStringList& terms) { return terms.join(u' '); }

std::optional<SearchAnswer> YearSearch::answer(const QString& text) const
{
    if (text.size() > kLongestQuery)
        return std::nullopt;
    const std::optional<UserEra> userEra = m_userEra ? m_userEra() : std::nullopt;
    const UserEra* shownUserEra = userEra ? &*userEra : nullptr;
    const QByteArray utf8 = text.toUtf8();
    const QueryResult query = parseYearQuery(std::string_view(utf8.constData(), std::size_t(utf8.size())),
                                             shownUserEra);
    if (!query)
        return std::nullopt;

    const YearDescription description = describeYear(*query.query, shownUserEra, m_clock.today());
    SearchAnswer answer;
    answer.id = text;
    answer.title = QString::fromStdString(description.summary());
    answer.description = QString::fromStdString(description.sentence);
    if (!description.note.empty())
        answer.description.prepend(QString::fromUtf8(kNoteMark) + QString::fromStdString(description.note)
                                   + kIdeographicSpace);
    answer.westernYear = description.westernYear;
    return answer;
}

} // namespace erakon
