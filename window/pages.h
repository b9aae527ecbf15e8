// SPDX-License-Identifier: MIT
#pragma once

#include "window/page.h"
#include "window/page_list.h"

#include <QAccessible>
#include <QObject>

#include <vector>

class QWidget;

namespace erakon {

class ConversionPage;
class PageControl;

// The window's pages in their tabs: which one is shown, and entering a
// page, which renews what it shows from the rest of the window. The user's
// choice of a tab enters the page; a page the program shows is not entered.
// Every tab is there from the start; a page's controls are made the first
// time it is shown, whichever way (pageList()).
// Assistive technology reads every page's controls from the accessibility
// tree, shown or not: while it is active every page is made.
class Pages final : public QObject, private QAccessible::ActivationObserver {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Pages)

public:
    Pages(QWidget* window, const PageServices& services);
    ~Pages() override;

    // The tabs, the window's central widget.
    PageControl* control() const { return m_control; }
    ConversionPage* conversionPage() const { return m_conversionPage; }
    // The page once it has been made, null before.
    QWidget* builtPage(Page page) const { return m_built.at(std::size_t(page)); }

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
    // A page was made, just before it is first shown.
    void built(erakon::Page page, QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void accessibilityActiveChanged(bool active) override;
    void buildEveryPage();
    QWidget* ensureBuilt(Page page);
    void enterShownPage();

    PageServices m_services;
    PageControl* m_control;
    std::vector<QWidget*> m_built;
    ConversionPage* m_conversionPage = nullptr;
    bool m_changeByProgram = false;
};

} // namespace erakon
