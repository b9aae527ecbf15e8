// SPDX-License-Identifier: MIT
#include "window/page_list.h"

#include "window/age_page.h"
#include "window/command_actions.h"
#include "window/conversion_page.h"
#include "window/file_page.h"
#include "window/help_page.h"
#include "window/options_model.h"
#include "window/pages.h"
#include "window/settings_page.h"
#include "window/style_page.h"
#include "window/table_page.h"

#include <array>

namespace erakon {
namespace {

QWidget* buildFilePage(const PageServices& services, Pages&, QWidget* parent)
{
    return new FilePage(services.commands, parent);
}

QWidget* buildConversionPage(const PageServices& services, Pages&, QWidget* parent)
{
    return new ConversionPage(services.clock, services.formatSettings, services.options, services.commands.close,
                              services.eras, parent);
}

void enterConversionPage(QWidget* page, Pages&) { static_cast<ConversionPage*>(page)->refresh(); }

QWidget* buildSettingsPage(const PageServices& services, Pages&, QWidget* parent)
{
    return new SettingsPage(services.options, parent);
}

QWidget* buildTablePage(const PageServices& services, Pages& pages, QWidget* parent)
{
    auto* table = new TablePage(services.clock, services.eras, parent);
    table->setShowEtoSource([&options = services.options] { return options.values().showEto; });
    QObject::connect(table, &TablePage::yearChosen, &pages, &Pages::showYearFromTable);
    return table;
}

void enterTablePage(QWidget* page, Pages& pages)
{
    static_cast<TablePage*>(page)->build(pages.conversionPage()->westernYearText());
}

QWidget* buildAgePage(const PageServices& services, Pages&, QWidget* parent)
{
    return new AgePage(services.clock, services.options, services.eras, parent);
}

// The birth follows the conversion page's year until the user types a date.
void enterAgePage(QWidget* page, Pages& pages) { static_cast<AgePage*>(page)->enter(pages.conversionPage()->year()); }

QWidget* buildStylePage(const PageServices& services, Pages&, QWidget* parent)
{
    auto* styles = new StylePage(services.styles, services.options, parent);
    // The list never lacks a current item: a list without one picks its
    // first row when it gets the focus, which would apply that style.
    styles->selectActiveStyle();
    return styles;
}

void enterStylePage(QWidget* page, Pages&) { static_cast<StylePage*>(page)->selectActiveStyle(); }

QWidget* buildHelpPage(const PageServices& services, Pages&, QWidget* parent)
{
    return new HelpPage(services.commands, parent);
}

constexpr std::array kPages{
    PageEntry{Page::File, "filePage", "ファイル", false, &buildFilePage, nullptr},
    PageEntry{Page::Conversion, "conversionPage", "変換", true, &buildConversionPage, &enterConversionPage},
    PageEntry{Page::Settings, "settingsPage", "設 定", false, &buildSettingsPage, nullptr},
    PageEntry{Page::Table, "tablePage", "早見表", false, &buildTablePage, &enterTablePage},
    PageEntry{Page::Age, "agePage", "年齢", false, &buildAgePage, &enterAgePage},
    PageEntry{Page::Style, "stylePage", "スタイル", false, &buildStylePage, &enterStylePage},
    PageEntry{Page::Help, "helpPage", "ヘルプ", false, &buildHelpPage, nullptr},
};

constexpr bool inTabOrder()
{
    for (std::size_t i = 0; i < kPages.size(); ++i) {
        if (kPages[i].page != Page(i))
            return false;
    }
    return true;
}
static_assert(inTabOrder(), "the page list follows the order of the Page values");

} // namespace

std::span<const PageEntry> pageList() { return kPages; }

} // namespace erakon
