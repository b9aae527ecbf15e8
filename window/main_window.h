// SPDX-License-Identifier: MIT
#pragma once

#include "core/date_format.h"
#include "core/era_table.h"
#include "settings/settings_file.h"
#include "settings/window_placement.h"
#include "window/window_services.h"

#include <QMainWindow>
#include <QRandomGenerator>

#include <array>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QSessionManager;
class QSystemTrayIcon;
class QTimer;

namespace erakon {

class ButtonPage;
class ClockStatusBar;
class ConversionPage;
class HintSwitch;
class PageControl;
class RadioGroup;
class SettingsPage;
class TablePage;
class TrayMenu;
class WindowMenu;
class YearBox;

// The program's one window, ErakonForm: six pages, the status-bar clock, the
// pop-up and tray menus, and every handler. The controls are the state: the
// conversion keeps no model beside its boxes, the settings live in the
// settings page's controls.
class TErakonForm final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TErakonForm)

public:
    explicit TErakonForm(const WindowServices& services, QWidget* parent = nullptr);
    ~TErakonForm() override;

    // --- controls ---
    PageControl* PageControl1;
    ButtonPage* TabSheetFile;
    ConversionPage* TabSheetConvert;
    SettingsPage* TabSheetSettings;
    TablePage* TabSheetTable;
    QWidget* TabSheetStyle;
    ButtonPage* TabSheetHelp;

    QGroupBox* GroupBox2;
    QPushButton* ButtonDeskTop;
    QPushButton* ButtonStartMenu;
    QPushButton* ButtonStartUp;

    QGroupBox* GroupBox5;
    QGroupBox* GroupBox4;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    YearBox* NumberBox0;
    YearBox* NumberBox1;
    YearBox* NumberBox2;
    YearBox* NumberBox3;
    YearBox* NumberBox4;
    YearBox* NumberBox5;
    YearBox* NumberBox6;
    YearBox* NumberBox7;
    QPushButton* ButtonReset;
    QPushButton* ButtonClose;

    QGroupBox* GroupBox3;
    QCheckBox* CheckBoxShowEto;
    QCheckBox* CheckBoxShowBold;
    QCheckBox* CheckBoxStatusBar;
    QCheckBox* CheckBoxStayOnTop;
    QCheckBox* CheckBoxAddItem;
    QLineEdit* Edit61;
    YearBox* NumberBox61;
    QCheckBox* CheckBoxShowHint;
    RadioGroup* RadioGroup1;
    QGroupBox* GroupBox1;
    QCheckBox* CheckBoxCloseQuery;
    QCheckBox* CheckBoxSaveStatus;

    QListWidget* ListBox1;

    QPushButton* ButtonHelp;
    QPushButton* ButtonAbout;
    QPushButton* ButtonProperties;
    QPushButton* ButtonDonation;
    QPushButton* ButtonHomeSite;

    ClockStatusBar* StatusBar1;
    QTimer* Timer1;
    QSystemTrayIcon* TrayIcon1;
    WindowMenu* PopupMenu1;
    TrayMenu* PopupMenu2;

    // --- data ---
    QString BasicStyleName;
    bool EndingSession = false;

    // --- window life ---
    void FormCreate();
    void FormResize();
    bool FormCloseQuery(); // true: the window may close
    bool WMQueryEndSession(); // the session is ending; true: it may
    void endSession(); // the desktop ends the program: close as at a session's end
    void ApplicationMinimize();
    void ApplicationRestore();
    void RestoreP2Click();
    void CloseP2Click();
    void Timer1Timer();

    // --- view options ---
    void CheckBoxStatusBarClick();
    void CheckBoxStayOnTopClick();
    void CheckBoxShowHintClick();
    void CheckBoxAddItemClick();
    void CheckBoxShowBoldClick();

    // --- conversion ---
    void NumberBox0Change();
    void NumberBox1Change();
    void NumberBox2Change();
    void NumberBox3Change();
    void NumberBox4Change();
    void NumberBox5Change();
    void NumberBox6Change();
    void NumberBox7Change();
    void ButtonResetClick();
    void UpdateEraEmphasis(int year);

    // --- pages and menus ---
    void PageControl1Change();
    void PopupMenu1Popup();
    void ConvertP1Click();
    void TableP1Click();
    void StyleP1Click();
    void ShowEtoP1Click();
    void StatusBarP1Click();
    void StayOnTopP1Click();
    void ShowBoldP1Click();
    void AddItemP1Click();
    void IconTaskBarP1Click();
    void IconTaskTrayP1Click();
    void CloseQueryP1Click();
    void SaveStatusP1Click();
    void ListBox1Click();

    // --- file and help commands ---
    void registerDesktopShortcut();
    void registerStartMenuShortcut();
    void registerStartupShortcut();
    void showHelp();
    void showAboutBox();
    void showProgramProperties();
    void openDonationPage();
    void openHomeSite();

    // Shows a page as the program does: no dispatch.
    void showPage(QWidget* page);

    // The offsets the era boxes hold now, rows Meiji .. user-defined.
    EraOffsets eraOffsets() const;

    const TFormatSettings& formatSettings() const { return m_formatSettings; }

    // Whether the last close could not write the settings file; the program
    // then ends with a failure status.
    bool settingsSaveFailed() const { return m_settingsSaveFailed; }

signals:
    // PageControl1Change ran for this page.
    void pageDispatched(QWidget* page);
    // A close went ahead: the settings are written and the program may end.
    void formClosed();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createPages();
    void createFilePage();
    void createConversionPage();
    void createSettingsPage();
    void createTablePage();
    void createStylePage();
    void createHelpPage();
    void createStatusBar();
    void createMenus();
    void createTrayIcon();
    void connectHandlers();
    void connectCheckBox(QCheckBox* box, void (TErakonForm::*handler)());
    void setWindowLook();

    void eraBoxChanged(YearBox* box);
    void pullBackToWesternYear(YearBox* box, int base);
    void updateFromNowFormat();
    void buildYearTable();
    void refillFormatSettings(const QLocale& locale);

    // Seams to the settings file and the visual styles.
    void loadSettings();
    // Nothing is asked while the session ends: an error goes to errorOutput.
    void saveSettings(bool endingSession);
    void applyOption(const OptionSettings& options, OptionKey key);
    OptionSettings optionsFromControls() const;
    WindowPlacement placementNow() const;
    int windowStateNow() const;
    QString activeStyleName() const;
    void fillStyleList();
    void addStyleName(const QString& name);
    void applyStoredStyle();
    void applyStyle(const QString& name);
    void selectActiveStyle();

    const Clock& m_clock;
    Messages& m_messages;
    StyleService& m_styles;
    DesktopPlatform& m_desktop;
    // The About dialog's gradient colours; seeded once, at window creation.
    QRandomGenerator m_random;
    std::function<bool()> m_trayAvailable;
    std::function<void(const QString&)> m_errorOutput;
    bool m_settingsSaveFailed = false;
    TFormatSettings m_formatSettings;
    EraNameLanguage m_eraNameLanguage = EraNameLanguage::Japanese;
    HintSwitch* m_hints;
    std::array<YearBox*, kEraRowCount> m_eraBoxes{};
    std::array<QLabel*, kEraRowCount> m_eraLabels{};
    QString m_storedStyleName;
    bool m_pageChangeByProgram = false;
    std::optional<SettingsLocation> m_settingsLocation;
    // The placement read at start; its flags and maximized position go back
    // into the file unchanged unless the window is maximized at close.
    WindowPlacement m_placement;
};

} // namespace erakon
