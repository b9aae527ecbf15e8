// SPDX-License-Identifier: MIT
// The desktop's search service as GNOME Shell and KRunner call it: over D-Bus,
// on a private session bus, with the clock pinned and the window's start
// recorded.
#include "core/clock.h"
#include "core/era_file.h"
#include "core/version.h"
#include "search/runner_types.h"
#include "search/search_names.h"
#include "search/search_service.h"
#include "search/settings_user_era.h"
#include "tests/support/private_session_bus.h"

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QFileInfo>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace erakon {
namespace {

const QString kShellInterface = QStringLiteral("org.gnome.Shell.SearchProvider2");
const QString kRunnerInterface = QStringLiteral("org.kde.krunner1");
const QString kBusName = QString::fromUtf8(kSearchBusName);

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// Calls a method of the service on the bus, as a desktop does.
class DesktopSide {
public:
    explicit DesktopSide(QDBusConnection connection)
        : m_connection(std::move(connection))
    {}

    QDBusMessage call(std::string_view path, const QString& interface, const QString& method,
                      const QVariantList& arguments = {}) const
    {
        QDBusMessage message = QDBusMessage::createMethodCall(kBusName, QString::fromUtf8(path), interface, method);
        message.setArguments(arguments);
        // The service may answer from this very thread: wait with the events running.
        return m_connection.call(message, QDBus::BlockWithGui, 10'000);
    }

    QStringList resultSet(const QStringList& terms) const
    {
        return QDBusReply<QStringList>(
                   call(kShellSearchObjectPath, kShellInterface, QStringLiteral("GetInitialResultSet"), {terms}))
            .value();
    }
    QStringList subsearchResultSet(const QStringList& previous, const QStringList& terms) const
    {
        return QDBusReply<QStringList>(call(kShellSearchObjectPath, kShellInterface,
                                            QStringLiteral("GetSubsearchResultSet"), {previous, terms}))
            .value();
    }
    QList<QVariantMap> resultMetas(const QStringList& ids) const
    {
        const QDBusMessage reply = call(kShellSearchObjectPath, kShellInterface, QStringLiteral("GetResultMetas"),
                                        {ids});
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return {};
        return qdbus_cast<QList<QVariantMap>>(reply.arguments().constFirst());
    }
    RunnerMatches match(const QString& query) const
    {
        const QDBusMessage reply = call(kRunnerObjectPath, kRunnerInterface, QStringLiteral("Match"), {query});
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return {};
        return qdbus_cast<RunnerMatches>(reply.arguments().constFirst());
    }

private:
    QDBusConnection m_connection;
};

// The service on a private bus on Saturday 20 May 2023, the window's start recorded.
class SearchServiceTest : public ::testing::Test {
protected:
    SearchServiceTest()
    {
        registerRunnerTypes();
        qDBusRegisterMetaType<QList<QVariantMap>>();
    }

    void SetUp() override
    {
        const std::optional<QString> error = service.publishOn(bus.connect(QStringLiteral("service")));
        ASSERT_FALSE(error) << error->toStdString();
    }

    FixedClock clock{makeDateTime(2023, 5, 20, 14, 5, 9)};
    std::optional<UserEra> userEra;
    std::vector<QStringList> windowStarts;
    PrivateSessionBus bus;
    SearchService service{{.clock = clock,
                           .userEra = [this] { return userEra; },
                           .startWindow =
                               [this](const QStringList& arguments) {
                                   windowStarts.push_back(arguments);
                                   return true;
                               },
                           .idleTime = kSearchIdleTime}};
    DesktopSide desktop{bus.connect(QStringLiteral("desktop"))};
};

// ---------------------------------------------------------------- answers

struct QueryCase {
    const char* name;
    QStringList terms; // as GNOME Shell splits the search field
    const char* title; // nullptr: no answer
    const char* description;
    // KRunner's one line: short enough for its default width.
    const char* runnerText = nullptr;
    const char* runnerSubtext = nullptr;
};

class SearchAnswers : public SearchServiceTest, public ::testing::WithParamInterface<QueryCase> {};

// Both desktops get the same answer for a query, or nothing.
TEST_P(SearchAnswers, BothDesktopsGetTheConversionOrNothing)
{
    const QueryCase& row = GetParam();
    const QString query = row.terms.join(u' ');
    const QStringList expectedIds = row.title ? QStringList{query} : QStringList{};

    EXPECT_EQ(desktop.resultSet(row.terms), expectedIds);
    EXPECT_EQ(desktop.subsearchResultSet({QStringLiteral("1")}, row.terms), expectedIds);

    const QList<QVariantMap> metas = desktop.resultMetas({query});
    const RunnerMatches matches = desktop.match(QStringLiteral(" ") + query + QStringLiteral(" "));
    if (!row.title) {
        EXPECT_TRUE(metas.isEmpty());
        EXPECT_TRUE(matches.isEmpty());
        return;
    }
    ASSERT_EQ(metas.size(), 1);
    EXPECT_EQ(metas[0].value(QStringLiteral("id")).toString(), query);
    EXPECT_EQ(metas[0].value(QStringLiteral("name")).toString(), text(row.title));
    EXPECT_EQ(metas[0].value(QStringLiteral("description")).toString(), text(row.description));
    EXPECT_EQ(metas[0].value(QStringLiteral("gicon")).toString(), QString::fromUtf8(kProgramName));
    EXPECT_EQ(metas[0].value(QStringLiteral("clipboardText")).toString(), text(row.title));

    ASSERT_EQ(matches.size(), 1);
    EXPECT_EQ(matches[0].id, query);
    EXPECT_EQ(matches[0].text, text(row.runnerText));
    EXPECT_EQ(matches[0].iconName, QString::fromUtf8(kProgramName));
    EXPECT_EQ(matches[0].type, kExactRunnerMatch);
    EXPECT_EQ(matches[0].relevance, 1.0);
    EXPECT_EQ(matches[0].properties.value(QStringLiteral("subtext")).toString(), text(row.runnerSubtext));
}

INSTANTIATE_TEST_SUITE_P(
    , SearchAnswers,
    ::testing::Values(QueryCase{"EraYear",
                                {text("令和5")},
                                "2023年 — 令和5年, 今年, 卯（う）",
                                "この年に生まれた人は、今年 0才です",
                                "令和5年 = 2023年",
                                "今年・卯（う）"},
                      QueryCase{"WesternYearOfTwoEras",
                                {QStringLiteral("1989")},
                                "1989年 — 昭和64年・平成元年, 34年前, 巳（み）",
                                "この年に生まれた人は、今年 34才です",
                                "1989年 = 昭和64年・平成元年",
                                "34年前・巳（み）"},
                      QueryCase{"Initial",
                                {QStringLiteral("S64")},
                                "1989年 — 昭和64年・平成元年, 34年前, 巳（み）",
                                "この年に生まれた人は、今年 34才です",
                                "昭和64年 = 1989年",
                                "34年前・巳（み）"},
                      QueryCase{"FullWidthDigits",
                                {text("１９８９年")},
                                "1989年 — 昭和64年・平成元年, 34年前, 巳（み）",
                                "この年に生まれた人は、今年 34才です",
                                "1989年 = 昭和64年・平成元年",
                                "34年前・巳（み）"},
                      QueryCase{"TermsSplitAtBlanks",
                                {text("昭和"), text("64年")},
                                "1989年 — 昭和64年・平成元年, 34年前, 巳（み）",
                                "この年に生まれた人は、今年 34才です",
                                "昭和64年 = 1989年",
                                "34年前・巳（み）"},
                      QueryCase{"DateOfTheLastShowaDay",
                                {QStringLiteral("1989-01-07")},
                                "1989年1月7日 — 昭和64年1月7日, 34年前, 巳（み）",
                                "この年に生まれた人は、今年 34才です",
                                "1989年1月7日 = 昭和64年1月7日",
                                "34年前"},
                      QueryCase{"EraDateAfterItsEnd",
                                {text("昭和64年1月8日")},
                                "1989年1月8日 — 平成元年1月8日, 34年前, 巳（み）",
                                "※昭和は1989年1月7日までです\u3000この年に生まれた人は、今年 34才です",
                                "昭和64年1月8日 = 1989年1月8日",
                                "平成元年・34年前"},
                      QueryCase{"EraDateBeforeItsStart",
                                {text("令和元年4月1日")},
                                "2019年4月1日 — 平成31年4月1日, 4年前, 亥（い）",
                                "※令和は2019年5月1日からです\u3000この年に生まれた人は、今年 4才です",
                                "令和元年4月1日 = 2019年4月1日",
                                "平成31年・4年前"},
                      QueryCase{"YearBeforeTheEras",
                                {QStringLiteral("1500")},
                                "1500年 — 523年前, 申（さる）",
                                "この年に生まれた人は、今年 523才です",
                                "1500年",
                                "523年前・申（さる）"},
                      QueryCase{"FutureYear",
                                {QStringLiteral("r12")},
                                "2030年 — 令和12年, 7年後, 戌（いぬ）",
                                "この年まで、あと 7年です",
                                "令和12年 = 2030年",
                                "7年後・戌（いぬ）"},
                      QueryCase{"EraYearAfterItsEnd",
                                {QStringLiteral("H35")},
                                "2023年 — 令和5年, 今年, 卯（う）",
                                "※平成は2019年4月30日までです\u3000この年に生まれた人は、今年 0才です",
                                "平成35年 = 2023年",
                                "令和5年・今年"},
                      QueryCase{"KanjiNumerals",
                                {text("平成三十一年")},
                                "2019年 — 平成31年・令和元年, 4年前, 亥（い）",
                                "この年に生まれた人は、今年 4才です",
                                "平成31年 = 2019年",
                                "4年前・亥（い）"},
                      QueryCase{"HistoricalEra",
                                {text("元禄15")},
                                "1702年 — 元禄15年, 321年前, 午（うま）",
                                "※元禄15年は旧暦の年で、1702年とは年の初めが異なります\u3000"
                                "この年に生まれた人は、今年 321才です",
                                "元禄15年 = 1702年",
                                "元禄15年・321年前"},
                      QueryCase{"EveryReadingOfAnAmbiguousText",
                                {text("しょうわ5")},
                                "1930年 — 昭和5年, 93年前, 午（うま）",
                                "ほかに 正和5年 = 1316年\u3000この年に生まれた人は、今年 93才です",
                                "昭和5年 = 1930年",
                                "93年前・午（うま）・ほかに 正和5年 = 1316年"},
                      QueryCase{"Word", {QStringLiteral("weather")}, nullptr, nullptr},
                      QueryCase{"Greeting", {text("こんにちは")}, nullptr, nullptr},
                      QueryCase{"EraWithoutYear", {text("平成")}, nullptr, nullptr},
                      QueryCase{"NoSuchDate", {QStringLiteral("2023-02-30")}, nullptr, nullptr},
                      QueryCase{"YearAndWord", {QStringLiteral("1989"), QStringLiteral("weather")}, nullptr, nullptr},
                      QueryCase{"LongDigits", {QString(200, u'1')}, nullptr, nullptr},
                      QueryCase{"Nothing", {}, nullptr, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SearchServiceTest, MetasComeForTheIdsThatStillGiveAnAnswer)
{
    const QList<QVariantMap> metas = desktop.resultMetas(
        {QStringLiteral("S64"), QStringLiteral("weather"), text("令和元年")});
    ASSERT_EQ(metas.size(), 2);
    EXPECT_EQ(metas[0].value(QStringLiteral("id")).toString(), QStringLiteral("S64"));
    EXPECT_EQ(metas[1].value(QStringLiteral("name")).toString(), text("2019年 — 平成31年・令和元年, 4年前, 亥（い）"));
}

TEST_F(SearchServiceTest, TheUserEraIsReadAtEachQuery)
{
    const QStringList terms{text("創業144")};
    EXPECT_TRUE(desktop.resultSet(terms).isEmpty());
    userEra = UserEra{"創業", 1880};
    EXPECT_EQ(desktop.resultSet(terms), terms);
    EXPECT_EQ(desktop.resultMetas(terms).value(0).value(QStringLiteral("name")).toString(),
              text("2023年 — 令和5年, 今年, 卯（う）"));
}

TEST_F(SearchServiceTest, AUserEraNamedWithDigitsLeavesWesternYearsAlone)
{
    userEra = UserEra{"1", 1880};
    const QStringList terms{QStringLiteral("1989")};
    EXPECT_EQ(desktop.resultMetas(terms).value(0).value(QStringLiteral("name")).toString(),
              text("1989年 — 昭和64年・平成元年, 34年前, 巳（み）"));
}

// ---------------------------------------------------------------- the rows of a life

struct LifeQueryCase {
    const char* name;
    QStringList terms;
    const char* description; // whose life
    std::vector<const char*> titles; // the rows, in order
};

class LifeSearchAnswers : public SearchServiceTest, public ::testing::WithParamInterface<LifeQueryCase> {};

// A birth and a word give the rows of that life the word asks for, to both
// desktops, in order, each with an id that gives it again.
TEST_P(LifeSearchAnswers, BothDesktopsGetTheRowsInOrder)
{
    const LifeQueryCase& row = GetParam();
    const QString query = row.terms.join(u' ');
    const QStringList ids = desktop.resultSet(row.terms);
    ASSERT_EQ(ids.size(), qsizetype(row.titles.size())) << ids.join(u' ').toStdString();
    EXPECT_EQ(desktop.subsearchResultSet({QStringLiteral("1")}, row.terms), ids);
    EXPECT_EQ(ids.size(), QSet<QString>(ids.begin(), ids.end()).size()) << "each id once";

    const QList<QVariantMap> metas = desktop.resultMetas(ids);
    const RunnerMatches matches = desktop.match(query);
    ASSERT_EQ(metas.size(), ids.size());
    ASSERT_EQ(matches.size(), ids.size());
    for (qsizetype i = 0; i < ids.size(); ++i) {
        const QString title = text(row.titles[std::size_t(i)]);
        EXPECT_EQ(metas[i].value(QStringLiteral("id")).toString(), ids[i]);
        EXPECT_EQ(metas[i].value(QStringLiteral("name")).toString(), title);
        EXPECT_EQ(metas[i].value(QStringLiteral("description")).toString(), text(row.description));
        EXPECT_EQ(metas[i].value(QStringLiteral("clipboardText")).toString(), title);
        EXPECT_EQ(matches[i].id, ids[i]);
        EXPECT_EQ(matches[i].text, title);
        EXPECT_EQ(matches[i].properties.value(QStringLiteral("subtext")).toString(), text(row.description));
        if (i > 0) {
            EXPECT_LT(matches[i].relevance, matches[i - 1].relevance) << "KRunner keeps the order";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    , LifeSearchAnswers,
    ::testing::Values(LifeQueryCase{"GraduationsOfADate",
                                    {QStringLiteral("1989-04-02"), text("卒業")},
                                    "平成元年4月2日（1989年4月2日）生まれ",
                                    {"小学校 卒業：平成14年3月（2002年3月）", "中学校 卒業：平成17年3月（2005年3月）",
                                     "高等学校 卒業：平成20年3月（2008年3月）",
                                     "短期大学 卒業：平成22年3月（2010年3月）", "大学 卒業：平成24年3月（2012年3月）"}},
                      LifeQueryCase{"KanrekiOfAnEraYear",
                                    {text("平成元年"), text("還暦")},
                                    "昭和64年・平成元年（1989年）生まれ",
                                    {"還暦（満60歳・数え61歳）：令和31年（2049年）"}},
                      LifeQueryCase{"YakudoshiBeforeTheYear",
                                    {text("厄年"), QStringLiteral("1990")},
                                    "平成2年（1990年）生まれ",
                                    {"前厄（数え24歳）：平成25年（2013年）", "本厄（数え25歳）：平成26年（2014年）",
                                     "後厄（数え26歳）：平成27年（2015年）", "前厄（数え41歳）：令和12年（2030年）",
                                     "本厄（数え42歳・大厄）：令和13年（2031年）",
                                     "後厄（数え43歳）：令和14年（2032年）", "前厄（数え60歳）：令和31年（2049年）",
                                     "本厄（数え61歳）：令和32年（2050年）", "後厄（数え62歳）：令和33年（2051年）"}},
                      LifeQueryCase{"GreatYakuOfAWoman",
                                    {text("大厄"), text("H2"), text("女性")},
                                    "平成2年（1990年）生まれ",
                                    {"本厄（数え33歳・大厄）：令和4年（2022年）"}},
                      LifeQueryCase{"IdeographicSpace",
                                    {text("平成元年\u3000還暦")},
                                    "昭和64年・平成元年（1989年）生まれ",
                                    {"還暦（満60歳・数え61歳）：令和31年（2049年）"}},
                      LifeQueryCase{"YearAloneNamesTheCohorts",
                                    {QStringLiteral("2016"), text("学年")},
                                    "平成28年（2016年）生まれ",
                                    {"学年（4月2日〜12月31日生まれ）：小1", "学年（1月1日〜4月1日生まれ）：小2"}},
                      LifeQueryCase{"WordOfNoRow", {QStringLiteral("1989-04-02"), text("天気")}, "", {}},
                      LifeQueryCase{"BirthAfterToday", {QStringLiteral("2030"), text("還暦")}, "", {}},
                      LifeQueryCase{"WordAlone", {text("還暦")}, "", {}},
                      LifeQueryCase{
                          "BirthBetweenTwoWords", {text("還暦"), QStringLiteral("1989"), text("卒業")}, "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SearchServiceTest, ChoosingARowOfALifeOpensTheWindowAtItsYear)
{
    const QStringList terms{QStringLiteral("1989-04-02"), text("卒業")};
    const QStringList ids = desktop.resultSet(terms);
    ASSERT_EQ(ids.size(), 5);
    windowStarts.clear();
    desktop.call(kShellSearchObjectPath, kShellInterface, QStringLiteral("ActivateResult"), {ids[1], terms, 0u});
    desktop.call(kRunnerObjectPath, kRunnerInterface, QStringLiteral("Run"), {ids[4], QString()});
    desktop.call(kShellSearchObjectPath, kShellInterface, QStringLiteral("LaunchSearch"), {terms, 0u});
    EXPECT_EQ(windowStarts,
              (std::vector<QStringList>{{QStringLiteral("--year"), QStringLiteral("2005")},
                                        {QStringLiteral("--year"), QStringLiteral("2012")},
                                        {QStringLiteral("--year"), QStringLiteral("2002")}}));
    // An id past the rows there are gives nothing.
    EXPECT_TRUE(desktop.resultMetas({ids[0].chopped(1) + QStringLiteral("9")}).isEmpty());
}

// ---------------------------------------------------------------- opening the window

TEST_F(SearchServiceTest, ChoosingAResultOpensTheWindowAtItsYear)
{
    struct Choice {
        QString method;
        std::string_view path;
        QString interface;
        QVariantList arguments;
        QStringList windowArguments;
    };
    const QStringList openAt1989{QStringLiteral("--year"), QStringLiteral("1989")};
    const std::vector<Choice> choices{
        {QStringLiteral("ActivateResult"),
         kShellSearchObjectPath,
         kShellInterface,
         {QStringLiteral("S64"), QStringList{QStringLiteral("S64")}, 0u},
         openAt1989},
        {QStringLiteral("ActivateResult"),
         kShellSearchObjectPath,
         kShellInterface,
         {text("1989年1月8日"), QStringList{text("1989年1月8日")}, 0u},
         openAt1989},
        {QStringLiteral("ActivateResult"),
         kShellSearchObjectPath,
         kShellInterface,
         {text("令和5"), QStringList{text("令和5")}, 0u},
         {QStringLiteral("--year"), QStringLiteral("2023")}},
        // An id that no longer gives an answer still opens the program.
        {QStringLiteral("ActivateResult"),
         kShellSearchObjectPath,
         kShellInterface,
         {QStringLiteral("weather"), QStringList{}, 0u},
         {}},
        // The program's icon beside the results: the program, at the year searched for if any.
        {QStringLiteral("LaunchSearch"),
         kShellSearchObjectPath,
         kShellInterface,
         {QStringList{text("昭和"), QStringLiteral("64")}, 0u},
         openAt1989},
        {QStringLiteral("LaunchSearch"),
         kShellSearchObjectPath,
         kShellInterface,
         {QStringList{QStringLiteral("weather")}, 0u},
         {}},
        {QStringLiteral("Run"), kRunnerObjectPath, kRunnerInterface, {QStringLiteral("1989"), QString()}, openAt1989},
    };
    for (const Choice& choice : choices) {
        windowStarts.clear();
        const QDBusMessage reply = desktop.call(choice.path, choice.interface, choice.method, choice.arguments);
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        ASSERT_EQ(windowStarts.size(), 1u) << choice.method.toStdString();
        EXPECT_EQ(windowStarts[0], choice.windowArguments) << choice.arguments.value(0).toString().toStdString();
    }
}

TEST_F(SearchServiceTest, TheRunnerOffersNoActionBesideOpening)
{
    const QDBusMessage reply = desktop.call(kRunnerObjectPath, kRunnerInterface, QStringLiteral("Actions"));
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage);
    EXPECT_TRUE(qdbus_cast<RunnerActions>(reply.arguments().constFirst()).isEmpty());
    const RunnerMatches matches = desktop.match(QStringLiteral("1989"));
    ASSERT_EQ(matches.size(), 1);
    EXPECT_EQ(matches[0].properties.value(QStringLiteral("actions")).toStringList(), QStringList{});
    EXPECT_EQ(desktop.call(kRunnerObjectPath, kRunnerInterface, QStringLiteral("Teardown")).type(),
              QDBusMessage::ReplyMessage);
}

TEST_F(SearchServiceTest, TheServiceSaysItIsIdleAfterAWhileWithoutCalls)
{
    SearchService quiet({.clock = clock, .userEra = {}, .startWindow = {}, .idleTime = std::chrono::milliseconds(1)});
    QSignalSpy idle(&quiet, &SearchService::idle);
    EXPECT_TRUE(idle.wait(5'000));
}

TEST_F(SearchServiceTest, ASecondServiceCannotTakeTheName)
{
    SearchService second({.clock = clock, .userEra = {}, .startWindow = {}, .idleTime = kSearchIdleTime});
    const std::optional<QString> error = second.publishOn(bus.connect(QStringLiteral("second")));
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->contains(kBusName)) << error->toStdString();
}

// An era an era file adds is read and answered like the built-in ones.
TEST(YearSearchEraFileTest, AnswersWithTheAddedEra)
{
    const FixedClock clock{makeDateTime(2023, 5, 20, 14, 5, 9)};
    EraTable eras;
    eras.addFile("/etc/xdg/Harunagi/erakon/eras.conf", "新元 しんげん Shingen N 2025-05-20\n");
    const YearSearch search(clock, {}, eras.eras());
    const std::vector<SearchAnswer> answers = search.answers(text("しんげん2"));
    ASSERT_EQ(answers.size(), 1U);
    EXPECT_EQ(answers[0].title, text("2026年 — 新元2年, 3年後, 午（うま）"));
    EXPECT_EQ(answers[0].runnerText, text("新元2年 = 2026年"));
    const std::vector<SearchAnswer> western = search.answers(text("2025"));
    ASSERT_EQ(western.size(), 1U);
    EXPECT_EQ(western[0].title, text("2025年 — 令和7年・新元元年, 2年後, 巳（み）"));
    EXPECT_TRUE(YearSearch(clock, {}).answers(text("新元2")).empty());
}

} // namespace
} // namespace erakon
