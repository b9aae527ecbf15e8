// SPDX-License-Identifier: MIT
#include "desktop/termination_signals.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

namespace erakon {
namespace {

void (*currentHandler(int signalNumber))(int)
{
    struct sigaction action = {};
    sigaction(signalNumber, nullptr, &action);
    return action.sa_handler;
}

// A new instance starts afresh: each one's first signal is a request.
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

// The first signal's request may be held up; the next signal, of any of the
// three kinds, ends the program by its default action without waiting for the
// main loop.
TEST(TerminationSignals, ASecondSignalEndsTheProgramAtOnce)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const int second : {SIGTERM, SIGHUP, SIGINT}) {
        EXPECT_EXIT(
            {
                TerminationSignals termination;
                std::raise(SIGTERM);
                std::raise(second);
                std::_Exit(0);
            },
            testing::KilledBySignal(second), "")
            << second;
    }
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
