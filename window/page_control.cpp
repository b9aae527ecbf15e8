#include "page_control.h"

#include <QTabBar>

namespace erakon {
namespace {

class FixedWidthTabBar final : public QTabBar {
public:
    explicit FixedWidthTabBar(QWidget* parent) : QTabBar(parent) {}

    void setTabWidth(int width)
    {
        if (width == m_width)
            return;
        m_width = width;
        // Recomputes the tab geometry from the size hints.
        setIconSize(iconSize());
        updateGeometry();
    }
    int tabWidth() const { return m_width; }

protected:
    QSize tabSizeHint(int index) const override
    {
        QSize size = QTabBar::tabSizeHint(index);
        if (m_width > 0)
            size.setWidth(m_width);
        return size;
    }
    QSize minimumTabSizeHint(int index) const override
    {
        QSize size = QTabBar::minimumTabSizeHint(index);
        if (m_width > 0)
            size.setWidth(m_width);
        return size;
    }

private:
    int m_width = 0;
};

} // namespace

PageControl::PageControl(QWidget* parent)
    : QTabWidget(parent)
{
    auto* bar = new FixedWidthTabBar(this);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setExpanding(false);
    bar->setUsesScrollButtons(false);
    bar->setElideMode(Qt::ElideRight);
    setTabBar(bar);
    setFocusPolicy(Qt::NoFocus);
}

void PageControl::setTabWidth(int width)
{
    static_cast<FixedWidthTabBar*>(tabBar())->setTabWidth(width);
}

int PageControl::tabWidth() const
{
    return static_cast<const FixedWidthTabBar*>(tabBar())->tabWidth();
}

int PageControl::tabWidthFor(int clientWidth, int pageCount)
{
    return clientWidth / (pageCount + 1);
}

} // namespace erakon
