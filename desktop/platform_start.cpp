// SPDX-License-Identifier: MIT
#include "desktop/platform_start.h"

#include <QGuiApplication>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

namespace erakon {

namespace {

PlatformStart* watchedStart = nullptr;

} // namespace

PlatformStart::PlatformStart(std::string failureLine)
    : m_failureLine(std::move(failureLine))
    , m_watching(true)
{
    Q_ASSERT(!watchedStart);
    watchedStart = this;
    m_previousHandler = qInstallMessageHandler(handleMessage);
}

PlatformStart::~PlatformStart() { stopWatching(true); }

bool PlatformStart::succeeded()
{
    const bool hasScreen = QGuiApplication::primaryScreen() != nullptr;
    stopWatching(hasScreen);
    if (!hasScreen)
        writeFailureLine();
    return hasScreen;
}

void PlatformStart::writeFailureLine() const
{
    std::fprintf(stderr, "%s\n", m_failureLine.c_str());
    std::fflush(stderr);
}

void PlatformStart::stopWatching(bool writeHeld)
{
    if (!m_watching)
        return;
    m_watching = false;
    qInstallMessageHandler(m_previousHandler);
    watchedStart = nullptr;
    const std::lock_guard lock(m_heldLock);
    for (const HeldMessage& held : m_held) {
        if (!writeHeld)
            break;
        const QMessageLogContext context(held.file, held.line, held.function, held.category);
        if (m_previousHandler)
            m_previousHandler(held.type, context, held.text);
        else
            std::fprintf(stderr, "%s\n", qUtf8Printable(qFormatLogMessage(held.type, context, held.text)));
    }
    m_held.clear();
}

void PlatformStart::handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        // Qt's own words (a plugin to reinstall) would mislead: what the
        // session offers cannot show a window. Nothing of Qt's is half made
        // that must be undone, and Qt would abort() right after.
        watchedStart->writeFailureLine();
        std::_Exit(EXIT_FAILURE);
    }
    const std::lock_guard lock(watchedStart->m_heldLock);
    watchedStart->m_held.push_back({type, context.file, context.line, context.function, context.category, text});
}

} // namespace erakon
