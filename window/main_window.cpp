// SPDX-License-Identifier: MIT
#include "window/main_window.h"

#include "core/version.h"
#include "settings/locale_settings.h"
#include "widgets/clock_status_bar.h"
#include "widgets/control_hint.h"
#include "widgets/hint_switch.h"
#include "widgets/page_control.h"
#include "widgets/window_font.h"
#include "window/conversion_page.h"
#include "window/desktop_commands.h"
#include "window/file_page.h"
#include "window/help_page.h"
#include "window/options_model.h"
#include "window/settings_page.h"
#include "window/style_page.h"
#include "window/table_page.h"
#include "window/tray.h"
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
const QString kClockPattern = QStringLiteral("ggge年(yyyy年) m月d日(aaa)  HH:MM");

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

void writeToStandardError(const QString& text)
{
    std::fprintf(stderr, "%s: %s\n", kProgramName.data(), qPrintable(text));
}

// The options before the settings are read: the defaults, in the style active now.
OptionSettings startingOptions(const StyleService& styles)
{
    OptionSettings options;
    options.styleName = styles.activeName();
    return options;
}

template <typename PageWidget>
PageWidget* addPage(PageControl* pages, PageWidget* page, const char* name, const QString& caption)
{
    page->setObjectName(QString::fromLatin1(name));
    pages->addTab(page, caption);
    return page;
}

} // namespace

struct MainWindow::Parts {
    PageControl* pages = nullptr;
    FilePage* filePage = nullptr;
    ConversionPage* conversionPage = nullptr;
    SettingsPage* settingsPage = nullptr;
    TablePage* tablePage = nullptr;
    StylePage* stylePage = nullptr;
    HelpPage* helpPage = nullptr;
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
    , m_settingsLocation(services.settings)
    , m_basicStyleName(services.styles.activeName())
    , m_options(new OptionsModel(startingOptions(services.styles), this))
    , m_hints(new HintSwitch(this))
    , m_parts(std::make_unique<Parts>())
{
    setObjectName(QStringLiteral("mainWindow"));
    refillFormatSettings(services.locale);
    setFont(windowFont(11));
    setMinimumSize(200, 200);
    resize(391, 260);
    createPages();
    createStatusBar();
    createCommands();
    createMenus();
    createTray(services.trayAvailable ? services.trayAvailable : &QSystemTrayIcon::isSystemTrayAvailable);
    connectParts();
    // From here on every control keeps the font the pages gave it, whatever
    // style is applied.
    keepFonts(this);
    startUp();
}

MainWindow::~MainWindow() = default;

void MainWindow::createPages()
{
    Parts& p = *m_parts;
    p.pages = new PageControl(this);
    p.pages->setObjectName(QStringLiteral("pages"));
    p.filePage = addPage(p.pages, new FilePage(this), "filePage", QStringLiteral("ファイル"));
    p.conversionPage = addPage(p.pages, new ConversionPage(m_clock, m_formatSettings, *m_options, this),
                               "conversionPage", QStringLiteral("変換"));
    p.settingsPage = addPage(p.pages, new SettingsPage(*m_options, this), "settingsPage", QStringLiteral("設 定"));
    p.tablePage = addPage(p.pages, new TablePage(m_clock, this), "tablePage", QStringLiteral("早見表"));
    p.tablePage->setShowEtoSource([this] { return m_options->values().showEto; });
    p.stylePage = addPage(p.pages, new StylePage(m_styles, m_messages, this), "stylePage", QStringLiteral("スタイル"));
    p.helpPage = addPage(p.pages, new HelpPage(this), "helpPage", QStringLiteral("ヘルプ"));
    setCentralWidget(p.pages);
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
    m_commands = new DesktopCommands({this, m_clock, m_messages, m_desktop, m_styles, m_clockTimer, m_basicStyleName});
}

void MainWindow::createMenus()
{
    m_parts->windowMenu = new WindowMenu(*m_options, this);
    // Esc and F1 act from every control of the window, a year box included.
    for (QAction* action : m_parts->windowMenu->windowShortcuts()) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
}

void MainWindow::createTray(std::function<bool()> trayAvailable)
{
    m_tray = new Tray(this, *m_options, std::move(trayAvailable));
}

void MainWindow::connectParts()
{
    const Parts& p = *m_parts;
    connect(m_options, &OptionsModel::changed, this, &MainWindow::applyOption);
    connect(p.pages, &QTabWidget::currentChanged, this, [this] {
        if (!m_pageChangeByProgram)
            enterShownPage();
    });
    connect(p.windowMenu, &WindowMenu::pageRequested, this, &MainWindow::openPage);
    connect(p.tablePage, &TablePage::yearChosen, this, &MainWindow::showYearFromTable);
    connect(p.stylePage, &StylePage::styleChosen, this,
            [this](const QString& name) { m_options->set(&OptionSettings::styleName, name); });
    connect(p.clockStatusBar, &ClockStatusBar::clicked, p.conversionPage, &ConversionPage::resetToCurrentYear);
    connect(m_clockTimer, &QTimer::timeout, this, &MainWindow::clockTick);
    connectFileCommands(p.filePage);
    connectFileCommands(p.windowMenu);
    connectHelpCommands(p.helpPage);
    connectHelpCommands(p.windowMenu);
    connect(p.conversionPage, &ConversionPage::closeRequested, this, &QWidget::close);
    connect(p.windowMenu, &WindowMenu::closeRequested, this, &QWidget::close);
    connect(m_tray, &Tray::quitRequested, this, &QWidget::close);
    if (qApp)
        connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
            if (!queryEndSession())
                manager.cancel();
        });
}

// The file page and the window's menu offer the same file commands, the
// help page and the menu the same help commands.
template <typename Source>
void MainWindow::connectFileCommands(Source* source)
{
    connect(source, &Source::desktopShortcutRequested, m_commands, &DesktopCommands::registerDesktopShortcut);
    connect(source, &Source::startMenuShortcutRequested, m_commands, &DesktopCommands::registerStartMenuShortcut);
    connect(source, &Source::startupShortcutRequested, m_commands, &DesktopCommands::registerStartupShortcut);
}

template <typename Source>
void MainWindow::connectHelpCommands(Source* source)
{
    connect(source, &Source::helpRequested, m_commands, &DesktopCommands::showHelp);
    connect(source, &Source::aboutRequested, m_commands, &DesktopCommands::showAboutBox);
    connect(source, &Source::propertiesRequested, m_commands, &DesktopCommands::showProgramProperties);
    connect(source, &Source::donationRequested, m_commands, &DesktopCommands::openDonationPage);
    connect(source, &Source::homeSiteRequested, m_commands, &DesktopCommands::openHomeSite);
}

// What the window's creation does once everything is made, in this order.
void MainWindow::startUp()
{
    setWindowTitle(kTitle);
    loadSettings();
    // Loading applied the options that differ from the defaults; these are
    // applied whatever they hold, so that the hints, the status bar, the
    // stay-on-top flag and the user era's edits agree with them in every case.
    for (const OptionKey key : {OptionKey::ShowHint, OptionKey::StatusBar, OptionKey::StayOnTop, OptionKey::AddItem})
        applyOption(key);
    // The style list never lacks a current item: a list without one picks
    // its first row when it gets the focus, which would apply that style.
    m_parts->stylePage->selectActiveStyle();
    m_endingSession = false;
    showPage(Page::Conversion);
    m_parts->conversionPage->startAtCurrentYear();
}

// ---------------------------------------------------------------- pages

void MainWindow::showPage(Page page)
{
    m_pageChangeByProgram = true;
    m_parts->pages->setCurrentIndex(int(page));
    m_pageChangeByProgram = false;
}

void MainWindow::openPage(Page page)
{
    showPage(page);
    enterShownPage();
}

Page MainWindow::shownPage() const { return Page(m_parts->pages->currentIndex()); }

// Entering a page renews what it shows from the rest of the window.
void MainWindow::enterShownPage()
{
    const Parts& p = *m_parts;
    const Page page = shownPage();
    switch (page) {
    case Page::Conversion: p.conversionPage->refresh(); break;
    case Page::Table: p.tablePage->build(p.conversionPage->westernYearText()); break;
    case Page::Style: p.stylePage->selectActiveStyle(); break;
    case Page::File:
    case Page::Settings:
    case Page::Help: break;
    }
    emit pageEntered(page);
}

void MainWindow::reenterIfShown(Page page)
{
    if (shownPage() == page)
        enterShownPage();
}

void MainWindow::showYearFromTable(const QString& yearText)
{
    m_parts->conversionPage->showYearText(yearText);
    showPage(Page::Conversion);
}

void MainWindow::resizeTabs()
{
    PageControl* pages = m_parts->pages;
    pages->setTabWidth(PageControl::tabWidthFor(pages->width(), pages->count()));
}

// ---------------------------------------------------------------- options

// The one place where each option takes effect, run once for every change,
// whether it came from the settings page, the window's menu or the file.
void MainWindow::applyOption(OptionKey key)
{
    const Parts& p = *m_parts;
    const OptionSettings& options = m_options->values();
    switch (key) {
    case OptionKey::ShowEto: // the sentence and the year table
        reenterIfShown(Page::Conversion);
        reenterIfShown(Page::Table);
        break;
    case OptionKey::StatusBar: p.clockStatusBar->setVisible(options.statusBar); break;
    case OptionKey::StayOnTop: setStaysOnTop(*this, options.stayOnTop); break;
    case OptionKey::ShowBold:
        p.conversionPage->refresh();
        reenterIfShown(Page::Conversion);
        break;
    case OptionKey::AddItem:
        p.settingsPage->setUserEraEditable(options.addItem);
        reenterIfShown(Page::Conversion);
        break;
    case OptionKey::ShowHint: m_hints->setHintsShown(options.showHint); break;
    case OptionKey::StyleName: applyStyleOption(); break;
    // Read where they act: the user era's name and origin by the next
    // conversion, the minimise choice by minimising, the others at the close.
    case OptionKey::AddName:
    case OptionKey::AddYear:
    case OptionKey::Minimize:
    case OptionKey::CloseQuery:
    case OptionKey::SaveStatus: break;
    }
}

// The option then holds the active style's own name, which the file keeps.
void MainWindow::applyStyleOption()
{
    m_options->set(&OptionSettings::styleName, m_parts->stylePage->applyStyleNamed(m_options->values().styleName));
    resizeTabs();
}

// ---------------------------------------------------------------- the window's life

void MainWindow::clockTick()
{
    m_parts->clockStatusBar->setPanelText(
        fromUtf8(FormatDatePattern(kClockPattern.toStdString(), m_clock.now(), m_formatSettings, m_eraNameLanguage)));
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
    resizeTabs();
}

void MainWindow::refillFormatSettings(const QLocale& locale)
{
    m_formatSettings = formatSettingsFor(locale);
    m_eraNameLanguage = eraNameLanguageFor(locale);
}

// ---------------------------------------------------------------- settings

void MainWindow::loadSettings()
{
    if (!m_settingsLocation)
        return;
    const LoadedSettings loaded = LoadSettings(*m_settingsLocation, placementOf(*this, m_placement),
                                               storedWindowState(*this), primaryScreenMetrics());
    m_placement = loaded.placement;
    placeWindow(*this, loaded.placement, loaded.windowState);
    m_options->load(loaded.options);
}

void MainWindow::saveSettings(bool endingSession)
{
    if (!m_settingsLocation)
        return;
    const QString lastClose = fromUtf8(FormatDatePattern("c", m_clock.now(), m_formatSettings));
    const std::optional<QString> error = SaveSettings(
        *m_settingsLocation, programRecord(m_settingsLocation->executablePath, lastClose),
        placementOf(*this, m_placement), storedWindowState(*this), m_options->values());
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
