// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

#include <mutex>
#include <string>
#include <vector>

namespace erakon {

// The start of Qt's platform, watched. Qt ends the program with abort() when
// its platform plugin cannot start (no plugin of the name asked for, a
// display or a DRM device that is not there), and a platform may also start
// without a screen (linuxfb without a frame buffer), where the first window
// has nowhere to go. Made before the application object, an instance turns
// either into one line on the standard error (failureLine) and a failed
// start; the messages Qt writes meanwhile are held back and, when the start
// goes ahead, written as they would have been. One instance at a time.
class PlatformStart final {
    Q_DISABLE_COPY_MOVE(PlatformStart)

public:
    explicit PlatformStart(std::string failureLine);
    ~PlatformStart();

    // Called once the application object is made: whether Qt has a screen
    // to show a window on. Without one the failure line is written and the
    // held messages are dropped. Qt's message handling goes back either way.
    bool succeeded();

private:
    struct HeldMessage {
        QtMsgType type;
        // The context's texts are the code's own literals and the logging
        // categories' names, which outlive the program's start.
        const char* file;
        int line;
        const char* function;
        const char* category;
        QString text;
    };

    static void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& text);
    void writeFailureLine() const;
    void stopWatching(bool writeHeld);

    std::string m_failureLine;
    QtMessageHandler m_previousHandler = nullptr;
    bool m_watching = false;
    std::mutex m_heldLock; // Qt may write from a thread of its own
    std::vector<HeldMessage> m_held;
};

} // namespace erakon
