// SPDX-License-Identifier: MIT
#include "window/main_window.h"

#include "core/version.h"
#include "desktop/desktop_platform.h"
#include "settings/locale_settings.h"
#include "widgets/clock_status_bar.h"
#include "widgets/control_hint.h"
#include "widgets/hint_switch.h"
#include "widgets/page_control.h"
#include "widgets/window_font.h"
#include "window/command_actions.h"
#include "window/conversion_page.h"
#include "window/desktop_commands.h"
#include "window/options_model.h"
#include "window/pages.h"
#include "window/settings_page.h"
#include "window/style_choice.h"
#include "window/tray.h"
#include "window/wayland_adaptation.h"
#include "window/window_geometry.h"
#include "window/window_menu.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSystemTrayIcon>
#include <QTimer>

#include <cstdio>

namespace erakon {
namespace {

const QString kTitle = QString::fromUtf8(kApplicationTitle);

// Smaller than this the window is never made, whatever its layout allows.
constexpr QSize kSmallestWindow(200, 200);

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

void writeToStandardError(const QString& text)
{
    std::fprintf(stderr, "%s: %s\n", kProgramName.data(), qPrintable(text));
}

// The problems of the era files in one message: the first few lines, and
// how many more erakon-cli --eras would list.
QString eraFileProblemsText(const QStringList& problems)
{
    constexpr qsizetype kShownProblems = 10;
    QString text = QStringLiteral("元号ファイルの次の行は使えないため、読み飛ばしました。"
                                  "ほかの行と組み込みの元号で続けます。\n\n");
    text += problems.mid(0, kShownProblems).join(u'\n');
    if (problems.size() > kShownProblems) {
        text += QStringLiteral("\n（ほか %1 件。%2 --eras ですべて確かめられます）")
                    .arg(problems.size() - kShownProblems)
                    .arg(QString::fromUtf8(kCommandLineProgramName.data(), qsizetype(kCommandLineProgramName.size())));
    }
    return text;
}

} // namespace

struct MainWindow::Parts {
    CommandActions commands;
    ClockStatusBar* clockStatusBar = nullptr;
    WindowMenu* windowMenu = nullptr;
};

MainWindow::MainWindow(const WindowServices& services, QWidget* parent)
    : QMainWindow(parent)
    , m_clock(services.clock)
    , m_messages(services.messages)
    , m_styles(services.styles)
    , m_desktop(services.desktop)
    , m_errorOutput(services.errorOutput ? services.errorOutput : &writeToStandardError)
    , m_settingsStore(services.settings)
    , m_eras(services.eras)
    , m_basicStyleName(services.styles.activeName())
    // Before the settings are read: the defaults, in the style active now.
    , m_options(new OptionsModel({.styleName = m_basicStyleName}, this))
    , m_hints(new HintSwitch(this))
    , m_parts(std::make_unique<Parts>())
{
    setObjectName(QStringLiteral("mainWindow"));
    refillFormatSettings(services.locale);
    setFont(windowFont(11));
    setMinimumSize(kSmallestWindow);
    resize(391, 260);
    createActions();
    createPages();
    createStatusBar();
    createCommands();
    createMenus();
    createTray(services.trayAvailable ? services.trayAvailable : &QSystemTrayIcon::isSystemTrayAvailable);
    connectParts();
    if (m_desktop.waylandSession())
        adaptToWayland(*m_parts->windowMenu, *m_tray);
    // From here on every control keeps the font the pages gave it, whatever
    // style is applied.
    keepFonts(this);
    keepLayoutReadable();
    startUp(services.startYear);
    // Once the window is up: the message belongs in front of it.
    if (!services.eraFileProblems.isEmpty()) {
        QTimer::singleShot(0, this,
                           [this, text = eraFileProblemsText(services.eraFileProblems)] { m_messages.report(text); });
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::createActions()
{
    m_parts->commands = createCommandActions(this);
    // Esc and F1 act from every control of the window, a year box included.
    for (QAction* action : {m_parts->commands.close, m_parts->commands.showHelp}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
}

void MainWindow::createPages()
{
    m_pages = new Pages(this, {m_clock, m_formatSettings, m_eras, *m_options, m_styles, m_messages, m_parts->commands});
    setCentralWidget(m_pages->control());
    connect(m_pages, &Pages::built, this, [this](Page page, QWidget* widget) {
        if (page == Page::Settings && m_desktop.waylandSession())
            adaptToWayland(*qobject_cast<SettingsPage*>(widget));
    });
}

void MainWindow::createStatusBar()
{
    ClockStatusBar* bar = m_parts->clockStatusBar = new ClockStatusBar(this);
    bar->setObjectName(QStringLiteral("clockStatusBar"));
    bar->setCursor(Qt::PointingHandCursor);
    setHint(bar, QStringLiteral("Return to Now"));
    setStatusBar(bar);
    bar->hide();

    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(QStringLiteral("clockTimer"));
    m_clockTimer->setInterval(1000);
    m_clockTimer->start();
}

void MainWindow::createCommands()
{
    m_desktopCommands = new DesktopCommands(
        {this, m_clock, m_messages, m_desktop, m_styles, m_clockTimer, m_basicStyleName});
}

void MainWindow::createMenus() { m_parts->windowMenu = new WindowMenu(*m_options, m_parts->commands, this); }

void MainWindow::createTray(std::function<bool()> trayAvailable)
{
    m_tray = new Tray(this, *m_options, std::move(trayAvailable));
}

void MainWindow::connectParts()
{
    const Parts& p = *m_parts;
    const CommandActions& c = p.commands;
    connect(m_options, &OptionsModel::changed, this, &MainWindow::applyOption);
    connect(m_pages, &Pages::entered, this, &MainWindow::pageEntered);
    connect(p.windowMenu, &WindowMenu::pageRequested, this, &MainWindow::openPage);
    connect(p.clockStatusBar, &ClockStatusBar::clicked, m_pages->conversionPage(), &ConversionPage::resetToCurrentYear);
    connect(m_clockTimer, &QTimer::timeout, this, &MainWindow::clockTick);
    connect(c.close, &QAction::triggered, this, &QWidget::close);
    connect(c.desktopShortcut, &QAction::triggered, m_desktopCommands, &DesktopCommands::registerDesktopShortcut);
    connect(c.startMenuShortcut, &QAction::triggered, m_desktopCommands, &DesktopCommands::registerStartMenuShortcut);
    connect(c.startupShortcut, &QAction::triggered, m_desktopCommands, &DesktopCommands::registerStartupShortcut);
    connect(c.showHelp, &QAction::triggered, m_desktopCommands, &DesktopCommands::showHelp);
    connect(c.about, &QAction::triggered, m_desktopCommands, &DesktopCommands::showAboutBox);
    connect(c.properties, &QAction::triggered, m_desktopCommands, &DesktopCommands::showProgramProperties);
    connect(c.donation, &QAction::triggered, m_desktopCommands, &DesktopCommands::openDonationPage);
    connect(c.homeSite, &QAction::triggered, m_desktopCommands, &DesktopCommands::openHomeSite);
    connect(m_tray, &Tray::quitRequested, this, &QWidget::close);
    connect(p.windowMenu, &WindowMenu::hideToTrayRequested, m_tray, &Tray::hideToTray);
    if (qApp)
        connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
            if (!queryEndSession())
                manager.cancel();
        });
}

// The window may be made as small as its layout allows, never smaller: the
// year boxes keep their four digits and the captions their text at every
// scale. A first start whose third of a small or scaled screen is smaller opens
// at this size. Reckoned once, in the start-up look: a style chosen later
// leaves the window's size alone, so that choosing one and going back gives
// the same window.
void MainWindow::keepLayoutReadable()
{
    // The style's metrics count only once the controls are polished.
    ensurePolished();
    setMinimumSize(kSmallestWindow.expandedTo(minimumSizeHint()));
}

// What the window's creation does once everything is made, in this order.
void MainWindow::startUp(std::optional<int> startYear)
{
    setWindowTitle(kTitle);
    m_settingsStore.load(*this, *m_options);
    // Loading applied the options that differ from the defaults; these are
    // applied whatever they hold, so that the hints, the status bar and the
    // stay-on-top flag agree with them in every case.
    for (const OptionKey key : {OptionKey::ShowHint, OptionKey::StatusBar, OptionKey::StayOnTop})
        applyOption(key);
    m_endingSession = false;
    showPage(Page::Conversion);
    const int shownYear = m_pages->conversionPage()->startAt(startYear.value_or(m_clock.currentYear()));
    // The boxes hold -9999..9999 together, so the Western year's own range is
    // narrower (this year - 9999 at the lowest): a year asked for beyond it is
    // not shown silently as another.
    if (startYear && shownYear != *startYear) {
        m_errorOutput(QStringLiteral("--year %1 lies beyond the years every box can show; starting at %2")
                          .arg(*startYear)
                          .arg(shownYear));
    }
}

void MainWindow::showAtStart()
{
    // Mapped minimised first and hidden at once, the window kept its minimised
    // state under X11, so the tray's restore sent it straight back into the tray.
    if (isMinimized() && m_tray->canHideToTray()) {
        m_tray->hideToTray();
        setWindowState(windowState() & ~Qt::WindowMinimized);
    } else
        show();
}

void MainWindow::showPage(Page page) { m_pages->show(page); }
void MainWindow::openPage(Page page) { m_pages->open(page); }
Page MainWindow::shownPage() const { return m_pages->shown(); }

// ---------------------------------------------------------------- options

// Where each option that acts on the window takes effect, run once for every
// change, whether it came from the settings page, the window's menu or the
// file. The pages follow the options they show themselves.
void MainWindow::applyOption(OptionKey key)
{
    const OptionSettings& options = m_options->values();
    switch (key) {
    case OptionKey::ShowEto: m_pages->reenterIfShown(Page::Table); break; // its zodiac column
    case OptionKey::StatusBar: m_parts->clockStatusBar->setVisible(options.statusBar); break;
    case OptionKey::StayOnTop:
        // Under Wayland the option is kept as it is, for the next X11 session.
        if (!m_desktop.waylandSession())
            setStaysOnTop(*this, options.stayOnTop);
        break;
    case OptionKey::ShowHint: m_hints->setHintsShown(options.showHint); break;
    case OptionKey::StyleName: applyStyleOption(); break;
    // The pages follow the zodiac, the emphasis, the user era and the sex for
    // the 厄年 themselves; the minimise choice is read by minimising, the
    // others at the close.
    case OptionKey::ShowBold:
    case OptionKey::AddItem:
    case OptionKey::AddName:
    case OptionKey::AddYear:
    case OptionKey::Minimize:
    case OptionKey::CloseQuery:
    case OptionKey::SaveStatus:
    case OptionKey::Sex: break;
    }
}

// The option then holds the active style's own name, which the file keeps.
void MainWindow::applyStyleOption()
{
    m_options->set(&OptionSettings::styleName,
                   applyStyleNamed(m_styles, m_messages, this, m_options->values().styleName));
    m_pages->resizeTabs();
}

// ---------------------------------------------------------------- the window's life

void MainWindow::clockTick()
{
    m_parts->clockStatusBar->showClock(m_clock.now(), m_formatSettings, m_eraNameLanguage);
    m_tray->clockTick();
}

bool MainWindow::queryClose()
{
    const bool endingSession = m_endingSession;
    if (endingSession) {
        m_endingSession = false;
    } else if (m_options->values().closeQuery
               && m_messages.askYesNo(QStringLiteral("終了してよいですか？")) != Messages::Answer::Yes) {
        return false;
    }
    saveSettings(endingSession);
    m_tray->removeIcon();
    return true;
}

bool MainWindow::queryEndSession()
{
    m_endingSession = true;
    return queryClose();
}

// A desktop without a session manager ends its programs with a signal. The
// program ends as at the end of a session: no question, the settings written.
// It does not go through close(): with the close question open, the window is
// already inside a close, and a second one would be dropped.
void MainWindow::endSession()
{
    if (queryEndSession())
        emit closed();
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LocaleChange)
        refillFormatSettings(QLocale::system());
    else if (event->type() == QEvent::WindowStateChange)
        m_tray->windowStateChanged(static_cast<QWindowStateChangeEvent*>(event)->oldState());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (qApp && qApp->isSavingSession())
        m_endingSession = true;
    if (!queryClose()) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event)
{
    // Text boxes keep their own edit menu; every other place opens the window's menu.
    m_parts->windowMenu->popup(event->globalPos());
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    m_pages->resizeTabs();
}

void MainWindow::refillFormatSettings(const QLocale& locale)
{
    m_formatSettings = formatSettingsFor(locale);
    m_formatSettings.eras = m_eras.all();
    m_eraNameLanguage = eraNameLanguageFor(locale);
}

// ---------------------------------------------------------------- settings

void MainWindow::saveSettings(bool endingSession)
{
    const QString lastClose = fromUtf8(formatDatePattern("c", m_clock.now(), m_formatSettings));
    // Closed from the tray, the window keeps the state it had before it went
    // there, so that the next start shows it.
    const std::optional<QString> error = m_settingsStore.save(
        *this, m_tray->windowStatesToStore(), !m_desktop.waylandSession(), m_options->values(), lastClose);
    m_settingsSaveFailed = error.has_value();
    if (!error)
        return;
    // The close goes ahead: the user has been told, and a window that cannot
    // close would only trap them. At the end of a session, or when a signal
    // ends the program, a box would hold the end up with nobody to answer it.
    if (endingSession)
        m_errorOutput(*error);
    else
        m_messages.showError(*error);
}

} // namespace erakon
