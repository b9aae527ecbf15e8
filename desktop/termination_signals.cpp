// SPDX-License-Identifier: MIT
#include "desktop/termination_signals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace erakon {
namespace {

// Written by the handler, so plain ints: the only state a handler touches.
volatile sig_atomic_t g_writeEnd = -1;
volatile sig_atomic_t g_requested = 0;

extern "C" void writeSignalNumber(int signalNumber)
{
    // The first request may be held up (a hung file system, a stuck desktop
    // call); a second signal ends the program on the spot, as it would have
    // without the handler.
    if (g_requested) {
        struct sigaction byDefault = {};
        byDefault.sa_handler = SIG_DFL;
        sigemptyset(&byDefault.sa_mask);
        sigaction(signalNumber, &byDefault, nullptr);
        // Blocked while this handler runs; delivered as it returns.
        raise(signalNumber);
        return;
    }
    g_requested = 1;
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    // The pipe is new and this is its one byte; a failed write has no one to tell.
    [[maybe_unused]] const ssize_t written = ::write(g_writeEnd, &byte, 1);
    errno = savedErrno;
}

// Installs the handler and returns the previous disposition. A signal that
// was ignored when the program started stays ignored: `nohup` and shells'
// background jobs ignore SIGHUP and SIGINT so that a closed terminal or a
// Ctrl+C meant for something else does not end the program.
struct sigaction takeSignal(int signalNumber)
{
    struct sigaction previous = {};
    sigaction(signalNumber, nullptr, &previous);
    if (previous.sa_handler == SIG_IGN)
        return previous;
    struct sigaction action = {};
    action.sa_handler = writeSignalNumber;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signalNumber, &action, nullptr);
    return previous;
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent)
    : QObject(parent)
{
    if (g_writeEnd != -1 || ::pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    g_writeEnd = m_pipe[1];
    g_requested = 0;
    m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        m_previous[i] = takeSignal(kSignals[i]);
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        sigaction(kSignals[i], &m_previous[i], nullptr);
    g_writeEnd = -1;
    ::close(m_pipe[0]);
    ::close(m_pipe[1]);
}

void TerminationSignals::readPipe()
{
    // The handler writes one byte only; reading to the end keeps the pipe
    // empty whatever happens.
    unsigned char byte = 0;
    int last = 0;
    while (::read(m_pipe[0], &byte, 1) == 1)
        last = byte;
    if (last != 0)
        emit terminationRequested(last);
}

} // namespace erakon
