// SPDX-License-Identifier: MIT
#include "widgets/page_control.h"

#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>

namespace erakon {
namespace {

class FixedWidthTabBar final : public QTabBar {
public:
    explicit FixedWidthTabBar(QWidget* parent)
        : QTabBar(parent)
    {}

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
    QSize tabSizeHint(int index) const override { return withTabWidth(QTabBar::tabSizeHint(index)); }
    QSize minimumTabSizeHint(int index) const override { return withTabWidth(QTabBar::minimumTabSizeHint(index)); }

    // The style's padding leaves too little room for a caption in a narrow
    // tab; the caption is drawn over the whole tab, centred, instead.
    void paintEvent(QPaintEvent* event) override
    {
        if (m_width <= 0) {
            QTabBar::paintEvent(event);
            return;
        }
        QStylePainter painter(this);
        const int selected = currentIndex();
        for (int i = 0; i < count(); ++i) {
            if (i != selected)
                paintTab(painter, i);
        }
        if (selected >= 0)
            paintTab(painter, selected);
    }

private:
    QSize withTabWidth(QSize size) const
    {
        if (m_width > 0)
            size.setWidth(m_width);
        return size;
    }

    void paintTab(QStylePainter& painter, int index) const
    {
        QStyleOptionTab option;
        initStyleOption(&option, index);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_TabBarTab, option);
        painter.drawItemText(option.rect, Qt::AlignCenter, option.palette, option.state.testFlag(QStyle::State_Enabled),
                             caption, QPalette::WindowText);
    }

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
    bar->setElideMode(Qt::ElideNone);
    setTabBar(bar);
    setFocusPolicy(Qt::NoFocus);
}

void PageControl::setTabWidth(int width) { static_cast<FixedWidthTabBar*>(tabBar())->setTabWidth(width); }

int PageControl::tabWidth() const { return static_cast<const FixedWidthTabBar*>(tabBar())->tabWidth(); }

int PageControl::tabWidthFor(int clientWidth, int pageCount) { return clientWidth / (pageCount + 1); }

} // namespace erakon
