// SPDX-License-Identifier: MIT
// The desktop's search: from a query to its answer, as GNOME Shell and
// KRunner wait for it on every keystroke. Over D-Bus to the real service
// running on a private session bus, and the service's own work alone.
#include "core/clock.h"
#include "search/runner_types.h"
#include "search/search_names.h"
#include "search/search_service.h"
#include "tests/support/private_session_bus.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace erakon;

const QString kShellInterface = QStringLiteral("org.gnome.Shell.SearchProvider2");

// The service's work for a query, without the bus: parse, convert, describe;
// or, for a birth and a word, work out the life and pick its rows.
void BM_AnswerInProcess(benchmark::State& state, const char* query)
{
    const SystemClock clock;
    SearchService service({.clock = clock, .userEra = {}, .startWindow = {}, .idleTime = kSearchIdleTime});
    const QString text = QString::fromUtf8(query);
    for (auto _ : state)
        benchmark::DoNotOptimize(service.answers(text));
}
BENCHMARK_CAPTURE(BM_AnswerInProcess, EraYear, "令和5");
BENCHMARK_CAPTURE(BM_AnswerInProcess, Date, "昭和64年1月7日");
BENCHMARK_CAPTURE(BM_AnswerInProcess, NotAQuery, "weather");
BENCHMARK_CAPTURE(BM_AnswerInProcess, RowsOfALife, "1989-04-02 卒業");
BENCHMARK_CAPTURE(BM_AnswerInProcess, TwoWordsOfNoLife, "hello world");

// The real service binary on a bus of the benchmark's own, with an empty
// configuration folder, and a connection that calls it as a desktop does.
class RunningService {
public:
    RunningService()
    {
        registerRunnerTypes();
        qDBusRegisterMetaType<QList<QVariantMap>>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_bus.address());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
        m_service.setProcessEnvironment(environment);
        m_service.start(QStringLiteral(ERAKON_SEARCH_PROVIDER), {});
        const QString name = QString::fromUtf8(kSearchBusName);
        m_ready = QTest::qWaitFor([&] { return m_desktop.interface()->isServiceRegistered(name).value(); }, 10'000);
    }
    ~RunningService()
    {
        m_service.terminate();
        m_service.waitForFinished(5'000);
    }
    RunningService(const RunningService&) = delete;
    RunningService& operator=(const RunningService&) = delete;

    bool ready() const { return m_ready; }

    bool call(std::string_view path, const QString& interface, const QString& method, const QVariantList& arguments)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(QString::fromUtf8(kSearchBusName),
                                                              QString::fromUtf8(path), interface, method);
        message.setArguments(arguments);
        return m_desktop.call(message, QDBus::Block).type() == QDBusMessage::ReplyMessage;
    }

private:
    QTemporaryDir m_config;
    PrivateSessionBus m_bus;
    QDBusConnection m_desktop = m_bus.connect(QStringLiteral("desktop"));
    QProcess m_service;
    bool m_ready = false;
};

// The floor of any call on the same bus: one round trip to the bus daemon
// itself, which answers without another process.
void BM_BusDaemonRoundTrip(benchmark::State& state)
{
    PrivateSessionBus bus;
    QDBusConnection connection = bus.connect(QStringLiteral("floor"));
    const QDBusMessage getId = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId"));
    for (auto _ : state)
        benchmark::DoNotOptimize(connection.call(getId, QDBus::Block));
}
BENCHMARK(BM_BusDaemonRoundTrip)->Unit(benchmark::kMicrosecond);

// GNOME Shell on a keystroke: the result set, then the metas of the result.
void BM_ShellQueryOverDBus(benchmark::State& state, const char* query)
{
    RunningService service;
    if (!service.ready())
        state.SkipWithError("the service does not start");
    const QStringList terms{QString::fromUtf8(query)};
    for (auto _ : state) {
        if (!service.call(kShellSearchObjectPath, kShellInterface, QStringLiteral("GetInitialResultSet"), {terms})
            || !service.call(kShellSearchObjectPath, kShellInterface, QStringLiteral("GetResultMetas"), {terms})) {
            state.SkipWithError("the service does not answer");
            break;
        }
    }
}
BENCHMARK_CAPTURE(BM_ShellQueryOverDBus, EraYear, "令和5")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ShellQueryOverDBus, NotAQuery, "weather")->Unit(benchmark::kMicrosecond);

// KRunner on a keystroke: one Match.
void BM_RunnerMatchOverDBus(benchmark::State& state, const char* query)
{
    RunningService service;
    if (!service.ready())
        state.SkipWithError("the service does not start");
    const QString text = QString::fromUtf8(query);
    for (auto _ : state) {
        if (!service.call(kRunnerObjectPath, QStringLiteral("org.kde.krunner1"), QStringLiteral("Match"), {text})) {
            state.SkipWithError("the service does not answer");
            break;
        }
    }
}
BENCHMARK_CAPTURE(BM_RunnerMatchOverDBus, EraYear, "令和5")->Unit(benchmark::kMicrosecond);

} // namespace
