// SPDX-License-Identifier: MIT
#pragma once

#include "window/page.h"

#include <QObject>

class QWidget;

namespace erakon {

class Clock;
class ConversionPage;
class FilePage;
class HelpPage;
class Messages;
class OptionsModel;
class PageControl;
class SettingsPage;
class StylePage;
class StyleService;
class TablePage;
struct CommandActions;
struct DateFormatSettings;

// The window's six pages in their tabs: which one is shown, and entering a
// page, which renews what it shows from the rest of the window. The user's
// choice of a tab enters the page; a page the program shows is not entered.
class Pages final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Pages)

public:
    Pages(QWidget* window, const Clock& clock, const DateFormatSettings& formatSettings, OptionsModel& options,
          StyleService& styles, Messages& messages, const CommandActions& commands);

    // The tabs, the window's central widget.
    PageControl* control() const { return m_control; }
    FilePage* filePage() const { return m_filePage; }
    ConversionPage* conversionPage() const { return m_conversionPage; }
    SettingsPage* settingsPage() const { return m_settingsPage; }
    TablePage* tablePage() const { return m_tablePage; }
    StylePage* stylePage() const { return m_stylePage; }
    HelpPage* helpPage() const { return m_helpPage; }

    // Shows a page as the program does: the page is not entered.
    void show(Page page);
    // Shows a page and enters it.
    void open(Page page);
    Page shown() const;
    // Enters the page again when it is the one shown.
    void reenterIfShown(Page page);
    // The year table's double-clicked year on the conversion page.
    void showYearFromTable(const QString& yearText);
    // Tabs of one width, a part of the page control's width.
    void resizeTabs();

signals:
    void entered(erakon::Page page);

private:
    void enterShownPage();

    PageControl* m_control;
    FilePage* m_filePage;
    ConversionPage* m_conversionPage;
    SettingsPage* m_settingsPage;
    TablePage* m_tablePage;
    StylePage* m_stylePage;
    HelpPage* m_helpPage;
    bool m_changeByProgram = false;
};

} // namespace erakon
