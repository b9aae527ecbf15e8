// SPDX-License-Identifier: MIT
#include "core/life_rows.h"

#include "core/year_description.h"

#include <utility>

namespace erakon {

namespace {

using Kind = LifeRow::Kind;

constexpr std::string_view kLabelSeparator = "：";
constexpr std::string_view kIndent = "  ";

std::string ageText(int age) { return std::to_string(age) + "歳"; }

std::string etoText(const EtoSign& eto) { return std::string(eto.sign) + "（" + std::string(eto.reading) + "）"; }

std::string bracketed(std::string_view text) { return "（" + std::string(text) + "）"; }

// Builds the rows section by section.
class RowWriter final {
public:
    RowWriter(const LifeProfile& profile, std::span<const JapaneseEra> eras)
        : m_profile(profile)
        , m_eras(eras)
    {}

    std::vector<LifeRow> take() { return std::move(m_rows); }

    void writeDates();
    void writeAge();
    void writeSchool();
    void writeYakudoshi();
    void writeChoju();
    void writeAdulthood();
    void writeEto();

private:
    LifeRow& add(Kind kind, std::string label)
    {
        LifeRow& row = m_rows.emplace_back();
        row.section = m_section;
        row.kind = kind;
        row.label = std::move(label);
        return row;
    }
    void heading(LifeSection section, std::string title)
    {
        m_section = section;
        add(Kind::Heading, std::move(title));
    }
    LifeRow& value(std::string label, std::string text)
    {
        LifeRow& row = add(Kind::Value, std::move(label));
        row.value = std::move(text);
        return row;
    }
    LifeRow& when(std::string label, int year, CalendarTexts texts)
    {
        LifeRow& row = add(Kind::When, std::move(label));
        row.year = year;
        row.when = std::move(texts);
        return row;
    }
    void note(std::string text) { add(Kind::Note, std::move(text)); }

    // The cohort a row belongs to, with a year alone.
    std::optional<SchoolCohort> cohortOf(const LifeSchoolYears& school) const
    {
        return m_profile.yearAlone() ? std::optional(school.cohort) : std::nullopt;
    }

    const LifeProfile& m_profile;
    std::span<const JapaneseEra> m_eras;
    LifeSection m_section = LifeSection::Dates;
    std::vector<LifeRow> m_rows;
};

void RowWriter::writeDates()
{
    const LifeBirth& birth = m_profile.request.birth;
    if (birth.date)
        when("生年月日", birth.year, dateTexts(*birth.date, m_eras));
    else
        when("生まれた年", birth.year, yearTexts(birth.year, m_eras));
    when("基準日", int(m_profile.request.asOf.year()), dateTexts(m_profile.request.asOf, m_eras));
}

void RowWriter::writeAge()
{
    heading(LifeSection::Age, "年齢");
    if (m_profile.age)
        value("満年齢", ageText(*m_profile.age));
    value("数え年", ageText(m_profile.kazoe));
    for (const LifeSchoolYears& school : m_profile.cohorts) {
        if (!school.gakunen)
            continue;
        std::string label = "学年";
        if (m_profile.yearAlone())
            label += bracketed(schoolCohortName(school.cohort));
        value(std::move(label), gakunenText(*school.gakunen));
    }
}

void RowWriter::writeSchool()
{
    heading(LifeSection::School, "学歴（履歴書）");
    for (const LifeSchoolYears& school : m_profile.cohorts) {
        if (m_profile.yearAlone())
            add(Kind::Cohort, std::string(schoolCohortName(school.cohort))).cohort = school.cohort;
        for (const SchoolStep& step : school.steps) {
            std::string label(schoolStageName(step.stage));
            if (step.stage == SchoolStage::Kindergarten)
                label += "（3年保育）";
            else if (step.stage == SchoolStage::GraduateSchool)
                label += "（修士）";
            label.append(" ").append(schoolEventName(step.stage, step.event));
            when(std::move(label), step.year, monthTexts(step.year, step.month, m_eras)).cohort = cohortOf(school);
        }
    }
    if (!m_profile.yearAlone() && m_profile.cohorts.front().cohort == SchoolCohort::January1ToApril1)
        note("早生まれ（1月1日〜4月1日生まれ）は、前の年の4月2日以降に生まれた人と同じ学年です");
    note("浪人・留年・飛び級がなかった場合の年です");
}

void RowWriter::writeYakudoshi()
{
    heading(LifeSection::Yakudoshi, "厄年" + bracketed(sexName(m_profile.request.sex)));
    for (const Yakudoshi& yaku : m_profile.yakudoshi) {
        std::string detail = "数え" + ageText(yaku.kazoe);
        if (yaku.great)
            detail += "・大厄";
        when(std::string(yakuKindName(yaku.kind)) + bracketed(detail), yaku.year, yearTexts(yaku.year, m_eras)).marked =
            yaku.inYear;
    }
    note("厄年は数え年で数えます。多くの寺社では立春（2月4日ごろ）から年を数えます");
}

void RowWriter::writeChoju()
{
    heading(LifeSection::Choju, "長寿祝い");
    const int birthYear = m_profile.request.birth.year;
    for (const Choju& choju : m_profile.choju) {
        const std::string name(choju.name);
        const std::string kazoe = "数え" + ageText(kazoeAge(birthYear, choju.kazoeYear));
        std::string full = "満" + ageText(choju.age);
        if (choju.kazoeYear == choju.year) {
            // 還暦: both in one year.
            full.append("・").append(kazoe);
            when(name + bracketed(full), choju.year, yearTexts(choju.year, m_eras));
            continue;
        }
        when(name + bracketed(full), choju.year, yearTexts(choju.year, m_eras));
        when(name + bracketed(kazoe), choju.kazoeYear, yearTexts(choju.kazoeYear, m_eras));
    }
}

void RowWriter::writeAdulthood()
{
    heading(LifeSection::Adulthood, "成年");
    const auto& cohorts = m_profile.cohorts;
    // A year alone shows both cohorts only where their days of adulthood differ.
    const bool cohortsDiffer = cohorts.size() > 1 && cohorts.front().adulthood != cohorts.back().adulthood;
    const std::size_t shown = cohortsDiffer ? cohorts.size() : 1;
    for (std::size_t i = 0; i < shown; ++i) {
        const LifeSchoolYears& school = cohorts[i];
        const Adulthood& adulthood = school.adulthood;
        std::string label = "成年";
        switch (adulthood.rule) {
        case AdulthoodRule::At20: label += "（20歳）"; break;
        case AdulthoodRule::OnTheChange: label += "（成年年齢の引き下げ）"; break;
        case AdulthoodRule::At18: label += "（18歳）"; break;
        }
        if (cohortsDiffer)
            add(Kind::Cohort, std::string(schoolCohortName(school.cohort))).cohort = school.cohort;
        const CalendarTexts texts = adulthood.date ? dateTexts(*adulthood.date, m_eras)
                                                   : yearTexts(adulthood.year, m_eras);
        when(std::move(label), adulthood.year, texts).cohort = cohortsDiffer ? std::optional(school.cohort)
                                                                             : std::nullopt;
    }
    note("2022年4月1日から成年は18歳です（それまでは20歳）。その日に18歳・19歳だった人は、その日に成年になりました");
}

void RowWriter::writeEto()
{
    heading(LifeSection::Eto, "干支");
    value("干支", etoText(m_profile.eto));
    if (!m_profile.etoBeforeRisshun)
        return;
    const std::string before = "前の年の干支 " + etoText(m_profile.etoFromRisshun) + "です";
    if (m_profile.yearAlone())
        note("1月1日〜2月3日生まれは、立春（2月4日ごろ）から年を数えると" + before);
    else
        note("立春（2月4日ごろ）から年を数えると" + before);
}

} // namespace

std::string_view lifeSectionName(LifeSection section)
{
    switch (section) {
    case LifeSection::Dates: return "";
    case LifeSection::Age: return "年齢";
    case LifeSection::School: return "学歴";
    case LifeSection::Yakudoshi: return "厄年";
    case LifeSection::Choju: return "長寿祝い";
    case LifeSection::Adulthood: return "成年";
    case LifeSection::Eto: return "干支";
    }
    return "";
}

std::string LifeRow::text() const
{
    switch (kind) {
    case Kind::Heading: return "【" + label + "】";
    case Kind::Cohort: return "〔" + label + "〕";
    case Kind::Note: return std::string(kNoteMark) + label;
    case Kind::Value: return label + std::string(kLabelSeparator) + value;
    case Kind::When: break;
    }
    std::string line = label + std::string(kLabelSeparator) + when.combined();
    if (marked)
        line.append(" ").append(kAsOfYearMark);
    return line;
}

std::string LifeRow::standaloneText() const
{
    if (!cohort || kind == Kind::Cohort)
        return text();
    return "〔" + std::string(schoolCohortName(*cohort)) + "〕" + text();
}

std::vector<LifeRow> lifeRows(const LifeProfile& profile, std::span<const JapaneseEra> eras)
{
    RowWriter writer(profile, eras);
    writer.writeDates();
    writer.writeAge();
    writer.writeSchool();
    writer.writeYakudoshi();
    writer.writeChoju();
    writer.writeAdulthood();
    writer.writeEto();
    return writer.take();
}

std::string lifeText(const std::vector<LifeRow>& rows)
{
    std::string text;
    bool underCohort = false;
    for (const LifeRow& row : rows) {
        if (row.kind == Kind::Heading)
            underCohort = false;
        if (row.section != LifeSection::Dates && row.kind != Kind::Heading)
            text += kIndent;
        if (underCohort && row.kind != Kind::Cohort && row.kind != Kind::Note)
            text += kIndent;
        if (row.kind == Kind::Cohort)
            underCohort = true;
        text += row.text();
        text += '\n';
    }
    return text;
}

std::vector<LifeRow> lifeRowsAbout(const std::vector<LifeRow>& rows, std::string_view word)
{
    std::vector<LifeRow> found;
    if (word.empty())
        return found;
    const auto answers = [](const LifeRow& row) { return row.kind == Kind::Value || row.kind == Kind::When; };
    for (const LifeRow& row : rows) {
        if (answers(row) && lifeSectionName(row.section) == word)
            found.push_back(row);
    }
    if (!found.empty())
        return found;
    for (const LifeRow& row : rows) {
        if (answers(row) && row.label.find(word) != std::string::npos)
            found.push_back(row);
    }
    return found;
}

} // namespace erakon
