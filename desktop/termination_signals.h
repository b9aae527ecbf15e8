// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <array>
#include <csignal>

class QSocketNotifier;

namespace erakon {

// SIGTERM, SIGHUP and SIGINT as a Qt signal on the main thread. A desktop
// without a session manager ends its programs at logout with SIGTERM (and a
// closed terminal sends SIGHUP); taken by default, such a signal would end the
// program on the spot and lose its settings. The handler only writes the
// signal's number into a pipe, the one thing a handler may safely do; the
// main loop reads it and emits terminationRequested. Only the first signal
// makes a request: any later one ends the process at once, by the signal's
// default action, so that a program whose end is held up can still be ended
// without SIGKILL. A signal that was ignored at start stays ignored. One
// instance at a time; its destruction puts the previous handling back.
class TerminationSignals final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TerminationSignals)

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // False when the pipe or the handlers could not be set up; the signals
    // then keep their default effect.
    bool isActive() const { return m_notifier != nullptr; }

signals:
    void terminationRequested(int signalNumber);

private:
    void readPipe();

    static constexpr std::array kSignals{SIGTERM, SIGHUP, SIGINT};

    int m_pipe[2] = {-1, -1};
    std::array<struct sigaction, kSignals.size()> m_previous{};
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace erakon
