// SPDX-License-Identifier: MIT
#include "window/main_window.h"

#include "core/convertible_years.h"
#include "core/version.h"
#include "desktop/about_dialog.h"
#include "desktop/help_commands.h"
#include "desktop/program_icon.h"
#include "desktop/shortcuts.h"
#include "desktop/utc_offset.h"
#include "settings/locale_settings.h"
#include "settings/profile_reader.h"
#include "widgets/button_page.h"
#include "widgets/clock_status_bar.h"
#include "widgets/control_hint.h"
#include "widgets/hint_switch.h"
#include "widgets/page_control.h"
#include "widgets/radio_group.h"
#include "widgets/window_font.h"
#include "widgets/year_box.h"
#include "window/conversion_page.h"
#include "window/popup_menus.h"
#include "window/settings_page.h"
#include "window/style_list.h"
#include "window/table_page.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <cstdio>

namespace erakon {
namespace {

const QString kTitle = QString::fromUtf8(kApplicationTitle);
constexpr int kStyleItemHeight = 14;
const QString kClockPattern = QStringLiteral("ggge年(yyyy年) m月d日(aaa)  HH:MM");

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

Qt::WindowStates qtWindowState(int storedState)
{
    switch (storedState) {
    case kWindowStateMinimized: return Qt::WindowMinimized;
    case kWindowStateMaximized: return Qt::WindowMaximized;
    default: return Qt::WindowNoState;
    }
}

void writeToStandardError(const QString& text)
{
    std::fprintf(stderr, "%s: %s\n", kProgramName.data(), qPrintable(text));
}

} // namespace

TErakonForm::TErakonForm(const WindowServices& services, QWidget* parent)
    : QMainWindow(parent)
    , m_clock(services.clock)
    , m_messages(services.messages)
    , m_styles(services.styles)
    , m_desktop(services.desktop)
    , m_trayAvailable(services.trayAvailable ? services.trayAvailable : &QSystemTrayIcon::isSystemTrayAvailable)
    , m_errorOutput(services.errorOutput ? services.errorOutput : &writeToStandardError)
    , m_hints(new HintSwitch(this))
    , m_settingsLocation(services.settings)
{
    setObjectName(QStringLiteral("ErakonForm"));
    refillFormatSettings(services.locale);
    setWindowLook();
    createPages();
    createStatusBar();
    createMenus();
    createTrayIcon();
    connectHandlers();
    // From here on every control keeps the font the pages gave it, whatever
    // style is applied.
    keepFonts(this);
    FormCreate();
}

TErakonForm::~TErakonForm() = default;

// ---------------------------------------------------------------- building

void TErakonForm::setWindowLook()
{
    setFont(windowFont(11));
    setMinimumSize(200, 200);
    resize(391, 260);
}

void TErakonForm::createPages()
{
    PageControl1 = new PageControl(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    createFilePage();
    createConversionPage();
    createSettingsPage();
    createTablePage();
    createStylePage();
    createHelpPage();
    PageControl1->addTab(TabSheetFile, QStringLiteral("ファイル"));
    PageControl1->addTab(TabSheetConvert, QStringLiteral("変換"));
    PageControl1->addTab(TabSheetSettings, QStringLiteral("設 定"));
    PageControl1->addTab(TabSheetTable, QStringLiteral("早見表"));
    PageControl1->addTab(TabSheetStyle, QStringLiteral("スタイル"));
    PageControl1->addTab(TabSheetHelp, QStringLiteral("ヘルプ"));
    setCentralWidget(PageControl1);
}

void TErakonForm::createFilePage()
{
    TabSheetFile = erakon::createFilePage(this);
    TabSheetFile->setObjectName(QStringLiteral("TabSheetFile"));
    GroupBox2 = TabSheetFile->group();
    ButtonDeskTop = TabSheetFile->button("ButtonDeskTop");
    ButtonStartMenu = TabSheetFile->button("ButtonStartMenu");
    ButtonStartUp = TabSheetFile->button("ButtonStartUp");
}

void TErakonForm::createConversionPage()
{
    TabSheetConvert = new ConversionPage(this);
    TabSheetConvert->setObjectName(QStringLiteral("TabSheetConvert"));
    GroupBox5 = TabSheetConvert->GroupBox5;
    GroupBox4 = TabSheetConvert->GroupBox4;
    m_eraLabels = TabSheetConvert->eraLabels;
    m_eraBoxes = TabSheetConvert->eraBoxes;
    Label1 = m_eraLabels[0];
    Label2 = m_eraLabels[1];
    Label3 = m_eraLabels[2];
    Label4 = m_eraLabels[3];
    Label5 = m_eraLabels[4];
    Label6 = m_eraLabels[5];
    Label7 = TabSheetConvert->Label7;
    NumberBox1 = m_eraBoxes[0];
    NumberBox2 = m_eraBoxes[1];
    NumberBox3 = m_eraBoxes[2];
    NumberBox4 = m_eraBoxes[3];
    NumberBox5 = m_eraBoxes[4];
    NumberBox6 = m_eraBoxes[5];
    NumberBox0 = TabSheetConvert->NumberBox0;
    NumberBox7 = TabSheetConvert->NumberBox7;
    ButtonReset = TabSheetConvert->ButtonReset;
    ButtonClose = TabSheetConvert->ButtonClose;

    QWidget::setTabOrder(NumberBox1, NumberBox2);
    QWidget::setTabOrder(NumberBox2, NumberBox3);
    QWidget::setTabOrder(NumberBox3, NumberBox4);
    QWidget::setTabOrder(NumberBox4, NumberBox5);
    QWidget::setTabOrder(NumberBox5, NumberBox6);
    QWidget::setTabOrder(NumberBox6, NumberBox0);
    QWidget::setTabOrder(NumberBox0, NumberBox7);
}

void TErakonForm::createSettingsPage()
{
    TabSheetSettings = new SettingsPage(this);
    TabSheetSettings->setObjectName(QStringLiteral("TabSheetSettings"));
    GroupBox3 = TabSheetSettings->GroupBox3;
    CheckBoxShowEto = TabSheetSettings->CheckBoxShowEto;
    CheckBoxShowBold = TabSheetSettings->CheckBoxShowBold;
    CheckBoxStatusBar = TabSheetSettings->CheckBoxStatusBar;
    CheckBoxStayOnTop = TabSheetSettings->CheckBoxStayOnTop;
    CheckBoxAddItem = TabSheetSettings->CheckBoxAddItem;
    Edit61 = TabSheetSettings->Edit61;
    // A longer name would come back cut at the next start.
    Edit61->setMaxLength(int(ProfileReader::kProfileValueMaxLength));
    NumberBox61 = TabSheetSettings->NumberBox61;
    CheckBoxShowHint = TabSheetSettings->CheckBoxShowHint;
    RadioGroup1 = TabSheetSettings->RadioGroup1;
    GroupBox1 = TabSheetSettings->GroupBox1;
    CheckBoxCloseQuery = TabSheetSettings->CheckBoxCloseQuery;
    CheckBoxSaveStatus = TabSheetSettings->CheckBoxSaveStatus;
}

void TErakonForm::createTablePage()
{
    TabSheetTable = new TablePage(m_clock, this);
    TabSheetTable->setObjectName(QStringLiteral("TabSheetTable"));
    TabSheetTable->setShowEtoSource([this] { return CheckBoxShowEto->isChecked(); });
    TabSheetTable->setOffsetSources([this] { return NumberBox1->tag(); }, [this] { return NumberBox5->tag(); });
}

void TErakonForm::createStylePage()
{
    TabSheetStyle = new QWidget(this);
    TabSheetStyle->setObjectName(QStringLiteral("TabSheetStyle"));
    ListBox1 = new StyleList(TabSheetStyle);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    // Sorted by addStyleName without regard to case; the widget's own
    // sorting would put capitals first.
    ListBox1->setSortingEnabled(false);
    ListBox1->setFrameShape(QFrame::NoFrame);
    ListBox1->setUniformItemSizes(true);
    setHint(ListBox1, QStringLiteral("View Style"));
    auto* layout = new QVBoxLayout(TabSheetStyle);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ListBox1);
}

void TErakonForm::createHelpPage()
{
    TabSheetHelp = erakon::createHelpPage(this);
    TabSheetHelp->setObjectName(QStringLiteral("TabSheetHelp"));
    ButtonHelp = TabSheetHelp->button("ButtonHelp");
    ButtonAbout = TabSheetHelp->button("ButtonAbout");
    ButtonProperties = TabSheetHelp->button("ButtonProperties");
    ButtonDonation = TabSheetHelp->button("ButtonDonation");
    ButtonHomeSite = TabSheetHelp->button("ButtonHomeSite");
}

void TErakonForm::createStatusBar()
{
    StatusBar1 = new ClockStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setCursor(Qt::PointingHandCursor);
    setHint(StatusBar1, QStringLiteral("Return to Now"));
    setStatusBar(StatusBar1);
    StatusBar1->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer1->start();
}

void TErakonForm::createMenus()
{
    PopupMenu1 = new WindowMenu(this);
    PopupMenu2 = new TrayMenu(this);
    // Esc and F1 act from every control of the window, a year box included.
    for (QAction* action : {PopupMenu1->CloseP1, PopupMenu1->HelpP2}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
}

void TErakonForm::createTrayIcon()
{
    TrayIcon1 = new QSystemTrayIcon(this);
    TrayIcon1->setObjectName(QStringLiteral("TrayIcon1"));
    TrayIcon1->setIcon(loadProgramIcon());
    TrayIcon1->setToolTip(kTitle);
    TrayIcon1->setContextMenu(PopupMenu2);
}

void TErakonForm::connectCheckBox(QCheckBox* box, void (TErakonForm::*handler)())
{
    // toggled comes with every change of the state, the user's and the
    // program's alike, and never when the state stays.
    connect(box, &QCheckBox::toggled, this, handler);
}

void TErakonForm::connectHandlers()
{
    connect(NumberBox0, &YearBox::changed, this, &TErakonForm::NumberBox0Change);
    connect(NumberBox1, &YearBox::changed, this, &TErakonForm::NumberBox1Change);
    connect(NumberBox2, &YearBox::changed, this, &TErakonForm::NumberBox2Change);
    connect(NumberBox3, &YearBox::changed, this, &TErakonForm::NumberBox3Change);
    connect(NumberBox4, &YearBox::changed, this, &TErakonForm::NumberBox4Change);
    connect(NumberBox5, &YearBox::changed, this, &TErakonForm::NumberBox5Change);
    connect(NumberBox6, &YearBox::changed, this, &TErakonForm::NumberBox6Change);
    connect(NumberBox7, &YearBox::changed, this, &TErakonForm::NumberBox7Change);
    connect(ButtonReset, &QPushButton::clicked, this, &TErakonForm::ButtonResetClick);
    connect(StatusBar1, &ClockStatusBar::clicked, this, &TErakonForm::ButtonResetClick);
    connect(ButtonClose, &QPushButton::clicked, this, &TErakonForm::CloseP2Click);

    connectCheckBox(CheckBoxShowBold, &TErakonForm::CheckBoxShowBoldClick);
    connectCheckBox(CheckBoxStatusBar, &TErakonForm::CheckBoxStatusBarClick);
    connectCheckBox(CheckBoxStayOnTop, &TErakonForm::CheckBoxStayOnTopClick);
    connectCheckBox(CheckBoxAddItem, &TErakonForm::CheckBoxAddItemClick);
    connectCheckBox(CheckBoxShowHint, &TErakonForm::CheckBoxShowHintClick);

    connect(ButtonDeskTop, &QPushButton::clicked, this, &TErakonForm::registerDesktopShortcut);
    connect(ButtonStartMenu, &QPushButton::clicked, this, &TErakonForm::registerStartMenuShortcut);
    connect(ButtonStartUp, &QPushButton::clicked, this, &TErakonForm::registerStartupShortcut);
    connect(ButtonHelp, &QPushButton::clicked, this, &TErakonForm::showHelp);
    connect(ButtonAbout, &QPushButton::clicked, this, &TErakonForm::showAboutBox);
    connect(ButtonProperties, &QPushButton::clicked, this, &TErakonForm::showProgramProperties);
    connect(ButtonDonation, &QPushButton::clicked, this, &TErakonForm::openDonationPage);
    connect(ButtonHomeSite, &QPushButton::clicked, this, &TErakonForm::openHomeSite);

    connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
        if (!m_pageChangeByProgram)
            PageControl1Change();
    });
    connect(TabSheetTable, &TablePage::yearChosen, this, [this](const QString& yearText) {
        NumberBox0->setText(yearText);
        showPage(TabSheetConvert);
    });
    // The program moves the selection with the list's signals blocked, so
    // only the user's choice applies a style.
    connect(ListBox1, &QListWidget::currentRowChanged, this, &TErakonForm::ListBox1Click);

    connect(PopupMenu1, &QMenu::aboutToShow, this, &TErakonForm::PopupMenu1Popup);
    connect(PopupMenu1->DeskTopP1, &QAction::triggered, this, &TErakonForm::registerDesktopShortcut);
    connect(PopupMenu1->StartMenuP1, &QAction::triggered, this, &TErakonForm::registerStartMenuShortcut);
    connect(PopupMenu1->StartUpP1, &QAction::triggered, this, &TErakonForm::registerStartupShortcut);
    connect(PopupMenu1->CloseP1, &QAction::triggered, this, &TErakonForm::CloseP2Click);
    connect(PopupMenu1->ConvertP1, &QAction::triggered, this, &TErakonForm::ConvertP1Click);
    connect(PopupMenu1->ShowEtoP1, &QAction::triggered, this, &TErakonForm::ShowEtoP1Click);
    connect(PopupMenu1->StatusBarP1, &QAction::triggered, this, &TErakonForm::StatusBarP1Click);
    connect(PopupMenu1->StayOnTopP1, &QAction::triggered, this, &TErakonForm::StayOnTopP1Click);
    connect(PopupMenu1->ShowBoldP1, &QAction::triggered, this, &TErakonForm::ShowBoldP1Click);
    connect(PopupMenu1->AddItemP1, &QAction::triggered, this, &TErakonForm::AddItemP1Click);
    connect(PopupMenu1->IconTaskBarP1, &QAction::triggered, this, &TErakonForm::IconTaskBarP1Click);
    connect(PopupMenu1->IconTaskTrayP1, &QAction::triggered, this, &TErakonForm::IconTaskTrayP1Click);
    connect(PopupMenu1->CloseQueryP1, &QAction::triggered, this, &TErakonForm::CloseQueryP1Click);
    connect(PopupMenu1->SaveStatusP1, &QAction::triggered, this, &TErakonForm::SaveStatusP1Click);
    connect(PopupMenu1->TableP1, &QAction::triggered, this, &TErakonForm::TableP1Click);
    connect(PopupMenu1->StyleP1, &QAction::triggered, this, &TErakonForm::StyleP1Click);
    connect(PopupMenu1->HelpP2, &QAction::triggered, this, &TErakonForm::showHelp);
    connect(PopupMenu1->AboutP1, &QAction::triggered, this, &TErakonForm::showAboutBox);
    connect(PopupMenu1->PropertiesP1, &QAction::triggered, this, &TErakonForm::showProgramProperties);
    connect(PopupMenu1->DonationP1, &QAction::triggered, this, &TErakonForm::openDonationPage);
    connect(PopupMenu1->HomeSiteP1, &QAction::triggered, this, &TErakonForm::openHomeSite);

    connect(PopupMenu2->RestoreP2, &QAction::triggered, this, &TErakonForm::RestoreP2Click);
    connect(PopupMenu2->CloseP2, &QAction::triggered, this, &TErakonForm::CloseP2Click);
    connect(TrayIcon1, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            RestoreP2Click();
    });

    connect(Timer1, &QTimer::timeout, this, &TErakonForm::Timer1Timer);
    if (qApp)
        connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
            if (!WMQueryEndSession())
                manager.cancel();
        });
}

// ---------------------------------------------------------------- window life

void TErakonForm::FormCreate()
{
    BasicStyleName = activeStyleName();
    // Minimise and restore arrive as window state changes (changeEvent).
    setWindowTitle(kTitle);
    loadSettings();
    NumberBox1->setTag(kEraTable[0].offset);
    NumberBox2->setTag(kEraTable[1].offset);
    NumberBox3->setTag(kEraTable[2].offset);
    NumberBox4->setTag(kEraTable[3].offset);
    NumberBox5->setTag(kEraTable[4].offset);
    // The twelve zodiac texts are the calendar's constant EtoStr.
    fillStyleList();
    applyStoredStyle();
    EndingSession = false;
    m_random.seed(QRandomGenerator::system()->generate());
    showPage(TabSheetConvert);
    // The status panel stretches over the bar's whole width by itself.
    NumberBox0->setValue(m_clock.currentYear());
    CheckBoxShowHintClick();
    CheckBoxStatusBarClick();
    CheckBoxStayOnTopClick();
    CheckBoxAddItemClick();
}

void TErakonForm::FormResize()
{
    PageControl1->setTabWidth(PageControl::tabWidthFor(PageControl1->width(), PageControl1->count()));
}

bool TErakonForm::FormCloseQuery()
{
    const bool endingSession = EndingSession;
    if (endingSession) {
        EndingSession = false;
    } else if (CheckBoxCloseQuery->isChecked()
               && m_messages.askYesNo(QStringLiteral("終了してよいですか？")) != Messages::Answer::Yes) {
        return false;
    }
    saveSettings(endingSession);
    if (TrayIcon1->isVisible())
        TrayIcon1->hide();
    return true;
}

bool TErakonForm::WMQueryEndSession()
{
    EndingSession = true;
    return FormCloseQuery();
}

// A desktop without a session manager ends its programs with a signal. The
// program ends as at the end of a session: no question, the settings written.
// It does not go through close(): with the close question open, the window is
// already inside a close, and a second one would be dropped.
void TErakonForm::endSession()
{
    if (WMQueryEndSession())
        emit formClosed();
}

void TErakonForm::ApplicationMinimize()
{
    if (RadioGroup1->itemIndex() == 0)
        return;
    // Without a notification area the window stays on the taskbar: hiding it
    // would leave no way back.
    if (!m_trayAvailable())
        return;
    TrayIcon1->show();
    hide();
}

void TErakonForm::ApplicationRestore()
{
    RadioGroup1->setItemIndex(1);
    TrayIcon1->hide();
    if (isHidden())
        showNormal();
}

void TErakonForm::RestoreP2Click()
{
    ApplicationRestore();
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void TErakonForm::CloseP2Click() { close(); }

void TErakonForm::Timer1Timer()
{
    StatusBar1->setPanelText(
        fromUtf8(FormatDatePattern(kClockPattern.toStdString(), m_clock.now(), m_formatSettings, m_eraNameLanguage)));
    if (!TrayIcon1->isVisible())
        return;
    // The panel that held the icon has gone (it crashed, or was ended): a
    // window hidden in the tray would have no way back, so it comes back.
    if (isHidden() && !m_trayAvailable()) {
        ApplicationRestore();
        return;
    }
    // Qt passes even an unchanged hint on, and a D-Bus tray host would be
    // woken by it every second.
    if (TrayIcon1->toolTip() != kTitle)
        TrayIcon1->setToolTip(kTitle);
}

void TErakonForm::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LocaleChange) {
        refillFormatSettings(QLocale::system());
    } else if (event->type() == QEvent::WindowStateChange) {
        const bool wasMinimized = static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized;
        if (isMinimized() && !wasMinimized) {
            // Hiding inside the state change itself confuses some window managers.
            QTimer::singleShot(0, this, [this] {
                if (isMinimized())
                    ApplicationMinimize();
            });
        } else if (!isMinimized() && wasMinimized) {
            ApplicationRestore();
        }
    }
}

void TErakonForm::closeEvent(QCloseEvent* event)
{
    if (qApp && qApp->isSavingSession())
        EndingSession = true;
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    event->accept();
    emit formClosed();
}

void TErakonForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TErakonForm::refillFormatSettings(const QLocale& locale)
{
    m_formatSettings = formatSettingsFor(locale);
    m_eraNameLanguage = eraNameLanguageFor(locale);
}

// ---------------------------------------------------------------- view options

void TErakonForm::CheckBoxStatusBarClick() { StatusBar1->setVisible(CheckBoxStatusBar->isChecked()); }

void TErakonForm::CheckBoxStayOnTopClick()
{
    const bool onTop = CheckBoxStayOnTop->isChecked();
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    // Only the flag changes, never the window: setWindowFlags() recreates
    // it. A shown window came back hidden and, under openbox, inactive and
    // deaf to the keyboard; one not shown yet (the stored option at start)
    // had its stored place taken for its frame's, so that it opened lower
    // by the title bar at every start.
    overrideWindowFlags(flags);
    if (QWindow* native = windowHandle())
        native->setFlags(flags);
}

void TErakonForm::CheckBoxShowHintClick() { m_hints->setHintsShown(CheckBoxShowHint->isChecked()); }

void TErakonForm::CheckBoxAddItemClick()
{
    const bool enabled = CheckBoxAddItem->isChecked();
    Edit61->setEnabled(enabled);
    NumberBox61->setEnabled(enabled);
}

void TErakonForm::CheckBoxShowBoldClick() { NumberBox0Change(); }

// ---------------------------------------------------------------- conversion

EraOffsets TErakonForm::eraOffsets() const
{
    EraOffsets offsets{};
    for (size_t row = 0; row < offsets.size(); ++row)
        offsets[row] = m_eraBoxes[row]->tag();
    return offsets;
}

void TErakonForm::NumberBox0Change()
{
    const int currentYear = m_clock.currentYear();
    NumberBox6->setTag(NumberBox61->intValue() - 1);

    // A year whose era years or distance would leave the boxes' range is
    // limited first, so that every box shows the same year. The box's own
    // change runs the conversion for the limited year; this run then finds
    // every box already set.
    const YearSpan span = convertibleYears(eraOffsets(), currentYear);
    const int typed = NumberBox0->intValue();
    const int year = std::clamp(typed, span.first, span.last);
    if (year != typed)
        NumberBox0->setValue(year);

    for (YearBox* box : m_eraBoxes)
        box->setValue(eraYearOf(year, box->tag()));
    NumberBox7->setValue(YearsFromNow(year, currentYear));
    updateFromNowFormat();
    ButtonClose->setText(fromUtf8(YearSentence(year, m_clock.today(), CheckBoxShowEto->isChecked())));
    ButtonReset->setEnabled(year != currentYear);
    Label6->setText(Edit61->text());
    NumberBox6->lineEdit()->setAccessibleName(Edit61->text());
    const bool addItem = CheckBoxAddItem->isChecked();
    Label6->setVisible(addItem);
    NumberBox6->setVisible(addItem);
    UpdateEraEmphasis(NumberBox0->intValue());
}

void TErakonForm::eraBoxChanged(YearBox* box)
{
    NumberBox0->setValue(westernYearOf(box->intValue(), box->tag()));
    pullBackToWesternYear(box, box->tag());
}

void TErakonForm::pullBackToWesternYear(YearBox* box, int base)
{
    // A value whose Western year lies beyond the range leaves the Western
    // box at its limit, unchanged and quiet; the conversion then brings this
    // box back to the year the page shows.
    if (box->intValue() != NumberBox0->intValue() - base)
        NumberBox0Change();
}

void TErakonForm::NumberBox1Change() { eraBoxChanged(NumberBox1); }
void TErakonForm::NumberBox2Change() { eraBoxChanged(NumberBox2); }
void TErakonForm::NumberBox3Change() { eraBoxChanged(NumberBox3); }
void TErakonForm::NumberBox4Change() { eraBoxChanged(NumberBox4); }
void TErakonForm::NumberBox5Change() { eraBoxChanged(NumberBox5); }
void TErakonForm::NumberBox6Change() { eraBoxChanged(NumberBox6); }

void TErakonForm::NumberBox7Change()
{
    const int currentYear = m_clock.currentYear();
    NumberBox0->setValue(NumberBox7->intValue() + currentYear);
    pullBackToWesternYear(NumberBox7, currentYear);
    updateFromNowFormat();
}

void TErakonForm::updateFromNowFormat()
{
    NumberBox7->setDisplayFormat(NumberBox7->intValue() >= 0 ? QStringLiteral("+###0") : QStringLiteral("###0"));
}

void TErakonForm::ButtonResetClick()
{
    NumberBox0->setText(fromUtf8(FormatDatePattern("yyyy", m_clock.now(), m_formatSettings)));
}

void TErakonForm::UpdateEraEmphasis(int year)
{
    const EraEmphasis emphasis = eraEmphasis(year, eraOffsets(), CheckBoxShowBold->isChecked());
    for (size_t row = 0; row < m_eraBoxes.size(); ++row) {
        setBold(m_eraBoxes[row], emphasis.rowBold[row]);
        setBold(m_eraLabels[row], emphasis.rowBold[row]);
    }
    setBold(NumberBox0, emphasis.westernBold);
}

// ---------------------------------------------------------------- pages and menus

void TErakonForm::showPage(QWidget* page)
{
    m_pageChangeByProgram = true;
    PageControl1->setCurrentWidget(page);
    m_pageChangeByProgram = false;
}

void TErakonForm::PageControl1Change()
{
    QWidget* page = PageControl1->currentWidget();
    if (page == TabSheetConvert) {
        Label6->setText(Edit61->text());
        NumberBox6->setTag(NumberBox61->intValue() - 1);
        NumberBox0Change();
    } else if (page == TabSheetTable) {
        buildYearTable();
    } else if (page == TabSheetStyle) {
        selectActiveStyle();
    }
    emit pageDispatched(page);
}

void TErakonForm::buildYearTable() { TabSheetTable->BuildYearTable(NumberBox0->text()); }

void TErakonForm::contextMenuEvent(QContextMenuEvent* event)
{
    // Text boxes keep their own edit menu; every other place opens PopupMenu1.
    PopupMenu1->popup(event->globalPos());
}

void TErakonForm::PopupMenu1Popup()
{
    PopupMenu1->StatusBarP1->setChecked(CheckBoxStatusBar->isChecked());
    PopupMenu1->ShowEtoP1->setChecked(CheckBoxShowEto->isChecked());
    PopupMenu1->StayOnTopP1->setChecked(CheckBoxStayOnTop->isChecked());
    PopupMenu1->ShowBoldP1->setChecked(CheckBoxShowBold->isChecked());
    PopupMenu1->AddItemP1->setChecked(CheckBoxAddItem->isChecked());
    if (RadioGroup1->itemIndex() == 0)
        PopupMenu1->IconTaskBarP1->setChecked(true);
    else
        PopupMenu1->IconTaskTrayP1->setChecked(true);
    PopupMenu1->CloseQueryP1->setChecked(CheckBoxCloseQuery->isChecked());
    PopupMenu1->SaveStatusP1->setChecked(CheckBoxSaveStatus->isChecked());
}

void TErakonForm::ConvertP1Click()
{
    showPage(TabSheetConvert);
    PageControl1Change();
}

void TErakonForm::TableP1Click()
{
    showPage(TabSheetTable);
    PageControl1Change();
}

void TErakonForm::StyleP1Click()
{
    showPage(TabSheetStyle);
    PageControl1Change();
}

void TErakonForm::ShowEtoP1Click()
{
    CheckBoxShowEto->setChecked(PopupMenu1->ShowEtoP1->isChecked());
    if (PageControl1->currentWidget() == TabSheetConvert)
        PageControl1Change();
    if (PageControl1->currentWidget() == TabSheetTable)
        PageControl1Change();
}

void TErakonForm::StatusBarP1Click()
{
    CheckBoxStatusBar->setChecked(PopupMenu1->StatusBarP1->isChecked());
    CheckBoxStatusBarClick();
}

void TErakonForm::StayOnTopP1Click()
{
    CheckBoxStayOnTop->setChecked(PopupMenu1->StayOnTopP1->isChecked());
    CheckBoxStayOnTopClick();
}

void TErakonForm::ShowBoldP1Click()
{
    CheckBoxShowBold->setChecked(PopupMenu1->ShowBoldP1->isChecked());
    UpdateEraEmphasis(NumberBox0->intValue());
    if (PageControl1->currentWidget() == TabSheetConvert)
        PageControl1Change();
}

void TErakonForm::AddItemP1Click()
{
    CheckBoxAddItem->setChecked(PopupMenu1->AddItemP1->isChecked());
    if (PageControl1->currentWidget() == TabSheetConvert)
        PageControl1Change();
}

void TErakonForm::IconTaskBarP1Click() { RadioGroup1->setItemIndex(0); }
void TErakonForm::IconTaskTrayP1Click() { RadioGroup1->setItemIndex(1); }

void TErakonForm::CloseQueryP1Click() { CheckBoxCloseQuery->setChecked(PopupMenu1->CloseQueryP1->isChecked()); }

void TErakonForm::SaveStatusP1Click() { CheckBoxSaveStatus->setChecked(PopupMenu1->SaveStatusP1->isChecked()); }

// ---------------------------------------------------------------- styles

QString TErakonForm::activeStyleName() const { return m_styles.activeName(); }

void TErakonForm::fillStyleList()
{
    const QSignalBlocker quiet(ListBox1);
    ListBox1->clear();
    for (const QString& name : m_styles.names())
        addStyleName(name);
}

void TErakonForm::addStyleName(const QString& name)
{
    auto* item = new QListWidgetItem(name);
    item->setSizeHint(QSize(0, kStyleItemHeight));
    int row = 0;
    while (row < ListBox1->count() && ListBox1->item(row)->text().compare(name, Qt::CaseInsensitive) <= 0)
        ++row;
    ListBox1->insertItem(row, item);
}

void TErakonForm::applyStoredStyle()
{
    const auto found = ListBox1->findItems(m_storedStyleName, Qt::MatchFixedString);
    applyStyle(found.isEmpty() ? activeStyleName() : found.first()->text());
    // The list never lacks a current item: a view without one picks the first
    // row when it gets the focus, which would apply that style.
    selectActiveStyle();
}

void TErakonForm::applyStyle(const QString& name)
{
    const QString previous = activeStyleName();
    QString error;
    if (!m_styles.SetStyle(name, &error)) {
        m_messages.showError(error);
        return;
    }
    if (activeStyleName() != previous)
        restoreFonts(this);
}

void TErakonForm::selectActiveStyle()
{
    const QSignalBlocker quiet(ListBox1);
    const auto found = ListBox1->findItems(activeStyleName(), Qt::MatchFixedString);
    if (found.isEmpty())
        return;
    ListBox1->setCurrentItem(found.first());
    // The active style stands about in the middle: the first visible row is
    // half a page above it, kept within the list by the scroll bar.
    const int visibleRows = ListBox1->viewport()->height() / kStyleItemHeight;
    const int firstRow = std::max(0, ListBox1->currentRow() - visibleRows / 2);
    ListBox1->scrollToItem(ListBox1->item(firstRow), QAbstractItemView::PositionAtTop);
}

void TErakonForm::ListBox1Click()
{
    QListWidgetItem* item = ListBox1->currentItem();
    if (!item)
        return;
    m_styles.Initialize();
    applyStyle(item->text());
    FormResize();
}

// ---------------------------------------------------------------- settings

// The window's placement is its normal geometry without the frame, read
// with normalGeometry() and applied with setGeometry(), so that a restart puts
// the window where it was whatever frame the window manager draws.

void TErakonForm::loadSettings()
{
    if (!m_settingsLocation)
        return;
    const QScreen* primary = QGuiApplication::primaryScreen();
    ScreenMetrics screen;
    QList<QRect> workAreas;
    if (primary) {
        screen = {primary->availableGeometry().width(), primary->geometry().height()};
        workAreas.append(primary->availableGeometry());
    }
    for (const QScreen* other : QGuiApplication::screens()) {
        if (other != primary)
            workAreas.append(other->availableGeometry());
    }

    const LoadedSettings loaded = LoadSettings(*m_settingsLocation, placementNow(), windowStateNow(), screen);
    m_placement = loaded.placement;
    // Still hidden: the window takes its place now, and show() honours the state.
    setGeometry(keepOnScreen(normalRect(loaded.placement), minimumSize(), workAreas));
    setWindowState(qtWindowState(loaded.windowState));
    for (const OptionKey key : kOptionReadOrder)
        applyOption(loaded.options, key);
}

void TErakonForm::applyOption(const OptionSettings& options, OptionKey key)
{
    // A check box runs its handler here exactly when its state changes.
    switch (key) {
    case OptionKey::ShowEto: CheckBoxShowEto->setChecked(options.showEto); break;
    case OptionKey::StatusBar: CheckBoxStatusBar->setChecked(options.statusBar); break;
    case OptionKey::StayOnTop: CheckBoxStayOnTop->setChecked(options.stayOnTop); break;
    case OptionKey::ShowBold: CheckBoxShowBold->setChecked(options.showBold); break;
    case OptionKey::AddItem: CheckBoxAddItem->setChecked(options.addItem); break;
    case OptionKey::AddName: Edit61->setText(options.addName); break;
    case OptionKey::AddYear: NumberBox61->setValue(options.addYear); break;
    case OptionKey::ShowHint: CheckBoxShowHint->setChecked(options.showHint); break;
    case OptionKey::Minimize: RadioGroup1->setItemIndex(options.minimize); break;
    case OptionKey::CloseQuery: CheckBoxCloseQuery->setChecked(options.closeQuery); break;
    case OptionKey::SaveStatus: CheckBoxSaveStatus->setChecked(options.saveStatus); break;
    case OptionKey::StyleName: m_storedStyleName = options.styleName; break;
    }
}

void TErakonForm::saveSettings(bool endingSession)
{
    if (!m_settingsLocation)
        return;
    const QString lastClose = fromUtf8(FormatDatePattern("c", m_clock.now(), m_formatSettings));
    const std::optional<QString> error = SaveSettings(*m_settingsLocation,
                                                      programRecord(m_settingsLocation->executablePath, lastClose),
                                                      placementNow(), windowStateNow(), optionsFromControls());
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

OptionSettings TErakonForm::optionsFromControls() const
{
    OptionSettings options;
    options.showEto = CheckBoxShowEto->isChecked();
    options.statusBar = CheckBoxStatusBar->isChecked();
    options.stayOnTop = CheckBoxStayOnTop->isChecked();
    options.showBold = CheckBoxShowBold->isChecked();
    options.addItem = CheckBoxAddItem->isChecked();
    options.addName = Edit61->text();
    options.addYear = NumberBox61->intValue(); // an empty box holds 0
    options.showHint = CheckBoxShowHint->isChecked();
    options.minimize = RadioGroup1->itemIndex();
    options.closeQuery = CheckBoxCloseQuery->isChecked();
    options.saveStatus = CheckBoxSaveStatus->isChecked();
    options.styleName = activeStyleName();
    return options;
}

WindowPlacement TErakonForm::placementNow() const
{
    WindowPlacement placement = m_placement;
    const int state = windowStateNow();
    placement.showCmd = state == kWindowStateMinimized ? kShowCmdShowMinimized
        : state == kWindowStateMaximized               ? kShowCmdShowMaximized
                                                       : kShowCmdNormal;
    if (state == kWindowStateMaximized)
        placement.maxPosition = geometry().topLeft();
    setNormalRect(placement, normalGeometry());
    return placement;
}

int TErakonForm::windowStateNow() const
{
    const Qt::WindowStates state = windowState();
    if (state.testFlag(Qt::WindowMinimized))
        return kWindowStateMinimized;
    if (state.testFlag(Qt::WindowMaximized))
        return kWindowStateMaximized;
    return kWindowStateNormal;
}

// ---------------------------------------------------------------- file and help commands

void TErakonForm::registerDesktopShortcut() { erakon::registerDesktopShortcut({m_desktop, m_messages, Timer1}); }
void TErakonForm::registerStartMenuShortcut() { erakon::registerStartMenuShortcut({m_desktop, m_messages, Timer1}); }
void TErakonForm::registerStartupShortcut() { erakon::registerStartupShortcut({m_desktop, m_messages, Timer1}); }
void TErakonForm::showHelp() { erakon::showHelp(m_desktop, m_messages); }

void TErakonForm::showAboutBox()
{
    erakon::showAboutBox({
        .mainWindow = this,
        .executablePath = m_desktop.executablePath(),
        .clock = m_clock,
        .offsetFromUtc = localUtcOffset(),
        .ukrainian = ukrainianFormatSettings(),
        .activeStyleName = activeStyleName(),
        .basicStyleName = BasicStyleName,
        .random = m_random,
    });
}

void TErakonForm::showProgramProperties() { erakon::showProgramProperties(this, m_desktop); }
void TErakonForm::openDonationPage() { erakon::openDonationPage(m_desktop); }
void TErakonForm::openHomeSite() { erakon::openHomeSite(m_desktop); }

} // namespace erakon
