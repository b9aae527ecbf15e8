// SPDX-License-Identifier: MIT
#pragma once

#include "core/date_format.h"
#include "settings/option_table.h"
#include "window/page.h"
#include "window/window_services.h"
#include "window/window_settings_store.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class QTimer;

namespace erakon {

class DesktopCommands;
class HintSwitch;
class OptionsModel;
class Pages;
class Tray;

// The program's one window: seven pages, the status-bar clock, the window's
// menu and the tray. It makes them, wires them to the options and the
// commands, applies the options that act on the window, and runs the
// window's life from its creation to the close. The pages own their controls
// and follow the options they show; tests reach a control by its object name.
class MainWindow final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    explicit MainWindow(const WindowServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The first show: a window that starts minimised with the tray choice goes
    // straight into the tray and is never mapped before the tray brings it back.
    void showAtStart();
    // Shows a page as the program does: the page is not entered.
    void showPage(Page page);
    // Shows a page and enters it, as the menu's page commands do.
    void openPage(Page page);
    Page shownPage() const;

    // What the clock does every second: the status bar's era date, the tray's check.
    void clockTick();
    // Whether the window may close: asks first when the option says so, then
    // writes the settings and removes the tray icon.
    bool queryClose();
    // The session ends: the close goes ahead without a question; true: it may end.
    bool queryEndSession();
    // The desktop ends the program: it closes as at a session's end.
    void endSession();

    // The style active when the window was made.
    QString basicStyleName() const { return m_basicStyleName; }
    // Whether the last close could not write the settings file; the program
    // then ends with a failure status.
    bool settingsSaveFailed() const { return m_settingsSaveFailed; }

signals:
    // The user's choice of a tab or a page command entered this page.
    void pageEntered(erakon::Page page);
    // A close went ahead: the settings are written and the program may end.
    void closed();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Parts; // the shared command actions, the status bar and the window's menu

    void createActions();
    void createPages();
    void createStatusBar();
    void createCommands();
    void createMenus();
    void createTray(std::function<bool()> trayAvailable);
    void connectParts();
    void keepLayoutReadable();
    void startUp(std::optional<int> startYear);

    void applyOption(OptionKey key);
    void applyStyleOption();

    // Nothing is asked while the session ends: an error goes to errorOutput.
    void saveSettings(bool endingSession);
    void refillFormatSettings(const QLocale& locale);

    const Clock& m_clock;
    Messages& m_messages;
    StyleService& m_styles;
    DesktopPlatform& m_desktop;
    std::function<void(const QString&)> m_errorOutput;
    WindowSettingsStore m_settingsStore;
    const ModernEras m_eras;
    DateFormatSettings m_formatSettings;
    EraNameLanguage m_eraNameLanguage = EraNameLanguage::Japanese;
    QString m_basicStyleName;
    bool m_endingSession = false;
    bool m_settingsSaveFailed = false;

    OptionsModel* m_options;
    Pages* m_pages = nullptr;
    HintSwitch* m_hints;
    QTimer* m_clockTimer = nullptr;
    DesktopCommands* m_desktopCommands = nullptr;
    Tray* m_tray = nullptr;
    std::unique_ptr<Parts> m_parts;
};

} // namespace erakon
