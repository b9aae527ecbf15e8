// SPDX-License-Identifier: MIT
#include "window/pages.h"

#include "widgets/page_control.h"
#include "widgets/window_font.h"
#include "window/conversion_page.h"

#include <QEvent>
#include <QLayout>
#include <QTimer>
#include <QVBoxLayout>

namespace erakon {

Pages::Pages(QWidget* window, const PageServices& services)
    : QObject(window)
    , m_services(services)
    , m_control(new PageControl(window))
    , m_built(pageList().size(), nullptr)
{
    m_control->setObjectName(QStringLiteral("pages"));
    for (const PageEntry& entry : pageList()) {
        QWidget* tab = nullptr;
        if (entry.builtAtStart) {
            tab = entry.build(m_services, *this, window);
            tab->setObjectName(QString::fromLatin1(entry.objectName));
            m_built[std::size_t(entry.page)] = tab;
        } else {
            // A page made later goes into its tab's place, which it fills.
            // It is made as its place is shown, before the page control moves
            // the focus into the page shown.
            tab = new QWidget;
            auto* layout = new QVBoxLayout(tab);
            layout->setContentsMargins(0, 0, 0, 0);
            tab->installEventFilter(this);
        }
        m_control->addTab(tab, QString::fromUtf8(entry.caption));
    }
    m_conversionPage = qobject_cast<ConversionPage*>(builtPage(Page::Conversion));
    // A window not shown yet shows no place: the page is made here then.
    connect(m_control, &QTabWidget::currentChanged, this, [this](int index) {
        ensureBuilt(Page(index));
        if (!m_changeByProgram)
            enterShownPage();
    });
    QAccessible::installActivationObserver(this);
    accessibilityActiveChanged(QAccessible::isActive());
}

Pages::~Pages() { QAccessible::removeActivationObserver(this); }

// From the event loop: the window that made the pages is whole by then.
void Pages::accessibilityActiveChanged(bool active)
{
    if (active)
        QTimer::singleShot(0, this, &Pages::buildEveryPage);
}

void Pages::buildEveryPage()
{
    for (const PageEntry& entry : pageList())
        ensureBuilt(entry.page);
}

QWidget* Pages::ensureBuilt(Page page)
{
    const auto index = std::size_t(page);
    if (m_built.at(index))
        return m_built[index];
    const PageEntry& entry = pageList()[index];
    QWidget* place = m_control->widget(int(index));
    QWidget* widget = entry.build(m_services, *this, place);
    widget->setObjectName(QString::fromLatin1(entry.objectName));
    place->layout()->addWidget(widget);
    place->removeEventFilter(this);
    m_built[index] = widget;
    // The controls keep the fonts the page gives them, as those made at the
    // start do (the window keeps those once it is made), whatever style sheet
    // is applied now.
    keepFontsOfPart(widget);
    widget->ensurePolished();
    restoreFonts(widget);
    // Made while its place is shown, the page shows at once, so that the
    // page control can move the focus into it.
    if (place->isVisible())
        widget->show();
    // Laid out at once, so that entering it finds its controls' sizes.
    place->layout()->activate();
    if (QLayout* own = widget->layout())
        own->activate();
    emit built(page, widget);
    return widget;
}

bool Pages::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        const int index = m_control->indexOf(qobject_cast<QWidget*>(watched));
        if (index >= 0)
            ensureBuilt(Page(index));
    }
    return QObject::eventFilter(watched, event);
}

void Pages::show(Page page)
{
    ensureBuilt(page);
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
    const PageEntry& entry = pageList()[std::size_t(page)];
    if (entry.enter)
        entry.enter(ensureBuilt(page), *this);
    emit entered(page);
}

void Pages::showYearFromTable(const QString& yearText)
{
    m_conversionPage->showYearText(yearText);
    show(Page::Conversion);
}

void Pages::resizeTabs() { m_control->setTabWidth(PageControl::tabWidthFor(m_control->width(), m_control->count())); }

} // namespace erakon
