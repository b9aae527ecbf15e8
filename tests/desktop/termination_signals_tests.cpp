#include "termination_signals.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

namespace erakon {
namespace {

void (*currentHandler(int signalNumber))(int)
{
    struct sigaction action = {};
    sigaction(signalNumber, nullptr, &action);
    return action.sa_handler;
}

TEST(TerminationSignals, EachSignalBecomesOneRequestOnTheMainLoop)
{
    for (const int signalNumber : {SIGTERM, SIGHUP, SIGINT}) {
        TerminationSignals termination;
        ASSERT_TRUE(termination.isActive());
        QSignalSpy requested(&termination, &TerminationSignals::terminationRequested);
        std::raise(signalNumber); // would end the test program if not taken
        ASSERT_TRUE(requested.wait(5000)) << signalNumber;
        EXPECT_EQ(requested.takeFirst().at(0).toInt(), signalNumber);
    }
}

TEST(TerminationSignals, SignalsThatCameTogetherMakeOneRequest)
{
    TerminationSignals termination;
    QSignalSpy requested(&termination, &TerminationSignals::terminationRequested);
    std::raise(SIGTERM);
    std::raise(SIGHUP);
    ASSERT_TRUE(requested.wait(5000));
    QTest::qWait(50);
    ASSERT_EQ(requested.count(), 1);
    EXPECT_EQ(requested.at(0).at(0).toInt(), SIGHUP);
}

TEST(TerminationSignals, OnlyOneInstanceTakesTheSignalsAndItsEndGivesThemBack)
{
    {
        TerminationSignals first;
        TerminationSignals second;
        EXPECT_TRUE(first.isActive());
        EXPECT_FALSE(second.isActive());
        EXPECT_NE(currentHandler(SIGTERM), SIG_DFL);
    }
    for (const int signalNumber : {SIGTERM, SIGHUP, SIGINT})
        EXPECT_EQ(currentHandler(signalNumber), SIG_DFL) << signalNumber;
    TerminationSignals again;
    EXPECT_TRUE(again.isActive());
}

// Started by nohup, or as a shell's background job: the ignored signal stays
// ignored, the others are still taken.
TEST(TerminationSignals, ASignalIgnoredAtStartStaysIgnored)
{
    std::signal(SIGHUP, SIG_IGN);
    {
        TerminationSignals termination;
        EXPECT_EQ(currentHandler(SIGHUP), SIG_IGN);
        EXPECT_NE(currentHandler(SIGTERM), SIG_DFL);
        QSignalSpy requested(&termination, &TerminationSignals::terminationRequested);
        std::raise(SIGHUP);
        QTest::qWait(50);
        EXPECT_EQ(requested.count(), 0);
    }
    EXPECT_EQ(currentHandler(SIGHUP), SIG_IGN);
    std::signal(SIGHUP, SIG_DFL);
}

} // namespace
} // namespace erakon
