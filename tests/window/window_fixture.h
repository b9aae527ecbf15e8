// SPDX-License-Identifier: MIT
#pragma once

#include "window/main_window.h"

#include "tests/support/fake_desktop_platform.h"
#include "tests/support/shared_style_service.h"
#include "widgets/year_box.h"
#include "window/page_list.h"
#include "window/tray.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace erakon {

// The main window on Saturday 20 May 2023, 14:05:09, Japanese locale, with the
// desktop faked and the messages answered by a `MessagesT`.
template <typename MessagesT>
class WindowFixture : public ::testing::Test {
public:
    // Closing the window in a test must not end the application.
    WindowFixture() { QApplication::setQuitOnLastWindowClosed(false); }

    // The window goes before the folders a test made for it.
    void TearDown() override { window.reset(); }

    void createWindow(const std::optional<SettingsLocation>& settings = {}, std::optional<int> startYear = {})
    {
        window = std::make_unique<MainWindow>(WindowServices{
            .clock = clock,
            .messages = messages,
            .styles = sharedStyleService(),
            .desktop = desktop,
            .locale = QLocale(QLocale::Japanese, QLocale::Japan),
            .trayAvailable =
                [this] {
                    ++trayQuestions;
                    return trayAvailable;
                },
            .errorOutput = [this](const QString& text) { standardError.append(text); },
            .settings = settings,
            .startYear = startYear,
            .eras = eras,
            .eraFileProblems = eraFileProblems,
        });
    }

    void showActive()
    {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // A control of the window by its object name. A control of a page not
    // made yet is looked for again once every page has been shown. A name
    // the window does not have fails the test.
    template <typename T = QWidget>
    T* control(const char* name) const
    {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (!found) {
            showEveryPage();
            found = window->findChild<T*>(QString::fromLatin1(name));
        }
        if (!found)
            throw std::logic_error(std::string("the window has no ") + name);
        return found;
    }

    // Shows every page once as the program does (none is entered), then the
    // one shown before: each page is made the first time it is shown.
    void showEveryPage() const
    {
        const Page shown = window->shownPage();
        for (const PageEntry& entry : pageList())
            window->showPage(entry.page);
        window->showPage(shown);
    }

    YearBox* yearBox(const char* name) const { return control<YearBox>(name); }
    QAction* action(const char* name) const { return control<QAction>(name); }
    Tray* tray() const { return control<Tray>("tray"); }

    // Puts a settings file with this content where a window at `location` reads it.
    static void writeSettingsFile(const SettingsLocation& location, const QByteArray& content)
    {
        const QString path = userSettingsFilePath(location);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(content), content.size());
    }

    FixedClock clock{makeDateTime(2023, 5, 20, 14, 5, 9)};
    MessagesT messages;
    FakeDesktopPlatform desktop;
    bool trayAvailable = true;
    // How often the window asked whether the desktop has a tray.
    int trayQuestions = 0;
    // What the window wrote to standard error, one entry a message.
    QStringList standardError;
    // The eras in force and the era files' problems the window is made with.
    ModernEras eras;
    QStringList eraFileProblems;
    std::unique_ptr<MainWindow> window;
};

} // namespace erakon
