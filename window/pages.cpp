// SPDX-License-Identifier: MIT
#include "window/pages.h"

#include "widgets/page_control.h"
#include "window/command_actions.h"
#include "window/conversion_page.h"
#include "window/file_page.h"
#include "window/help_page.h"
#include "window/options_model.h"
#include "window/settings_page.h"
#include "window/style_page.h"
#include "window/table_page.h"

namespace erakon {
namespace {

template <typename PageWidget>
PageWidget* addPage(PageControl* control, PageWidget* page, const char* name, const QString& caption)
{
    page->setObjectName(QString::fromLatin1(name));
    control->addTab(page, caption);
    return page;
}

} // namespace

Pages::Pages(QWidget* window, const Clock& clock, const DateFormatSettings& formatSettings, OptionsModel& options,
             StyleService& styles, Messages& messages, const CommandActions& commands)
    : QObject(window)
    , m_control(new PageControl(window))
    , m_filePage(addPage(m_control, new FilePage(commands, window), "filePage", QStringLiteral("ファイル")))
    , m_conversionPage(addPage(m_control, new ConversionPage(clock, formatSettings, options, commands.close, window),
                               "conversionPage", QStringLiteral("変換")))
    , m_settingsPage(addPage(m_control, new SettingsPage(options, window), "settingsPage", QStringLiteral("設 定")))
    , m_tablePage(addPage(m_control, new TablePage(clock, window), "tablePage", QStringLiteral("早見表")))
    , m_stylePage(
          addPage(m_control, new StylePage(styles, messages, options, window), "stylePage", QStringLiteral("スタイル")))
    , m_helpPage(addPage(m_control, new HelpPage(commands, window), "helpPage", QStringLiteral("ヘルプ")))
{
    m_control->setObjectName(QStringLiteral("pages"));
    m_tablePage->setShowEtoSource([&options] { return options.values().showEto; });
    connect(m_control, &QTabWidget::currentChanged, this, [this] {
        if (!m_changeByProgram)
            enterShownPage();
    });
    connect(m_tablePage, &TablePage::yearChosen, this, &Pages::showYearFromTable);
}

void Pages::show(Page page)
{
    m_changeByProgram = true;
    m_control->setCurrentIndex(int(page));
    m_changeByProgram = false;
}

void Pages::open(Page page)
{
    show(page);
    enterShownPage();
}

Page Pages::shown() const { return Page(m_control->currentIndex()); }

void Pages::reenterIfShown(Page page)
{
    if (shown() == page)
        enterShownPage();
}

void Pages::enterShownPage()
{
    const Page page = shown();
    switch (page) {
    case Page::Conversion: m_conversionPage->refresh(); break;
    case Page::Table: m_tablePage->build(m_conversionPage->westernYearText()); break;
    case Page::Style: m_stylePage->selectActiveStyle(); break;
    case Page::File:
    case Page::Settings:
    case Page::Help: break;
    }
    emit entered(page);
}

void Pages::showYearFromTable(const QString& yearText)
{
    m_conversionPage->showYearText(yearText);
    show(Page::Conversion);
}

void Pages::resizeTabs() { m_control->setTabWidth(PageControl::tabWidthFor(m_control->width(), m_control->count())); }

} // namespace erakon
