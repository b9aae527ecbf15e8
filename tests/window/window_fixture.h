// SPDX-License-Identifier: MIT
#pragma once

#include "window/main_window.h"

#include "tests/support/fake_desktop_platform.h"
#include "tests/support/shared_style_service.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace erakon {

// The main window on Saturday 20 May 2023, 14:05:09, Japanese locale, with the
// desktop faked and the messages answered by a `MessagesT`.
template <typename MessagesT>
class WindowFixture : public ::testing::Test {
public:
    // Closing the window in a test must not end the application.
    WindowFixture() { QApplication::setQuitOnLastWindowClosed(false); }

    // The window goes before the folders a test made for it.
    void TearDown() override { form.reset(); }

    void createWindow(const std::optional<SettingsLocation>& settings = {})
    {
        form = std::make_unique<TErakonForm>(WindowServices{
            .clock = clock,
            .messages = messages,
            .styles = sharedStyleService(),
            .desktop = desktop,
            .locale = QLocale(QLocale::Japanese, QLocale::Japan),
            .trayAvailable = [this] { return trayAvailable; },
            .errorOutput = [this](const QString& text) { standardError.append(text); },
            .settings = settings,
        });
    }

    void showActive()
    {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    // Puts a settings file with this content where a window at `location` reads it.
    static void writeSettingsFile(const SettingsLocation& location, const QByteArray& content)
    {
        const QString path = SettingsFilePath(location);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(content), content.size());
    }

    FixedClock clock{makeDateTime(2023, 5, 20, 14, 5, 9)};
    MessagesT messages;
    FakeDesktopPlatform desktop;
    bool trayAvailable = true;
    // What the window wrote to standard error, one entry a message.
    QStringList standardError;
    std::unique_ptr<TErakonForm> form;
};

} // namespace erakon
