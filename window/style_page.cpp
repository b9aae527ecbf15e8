// SPDX-License-Identifier: MIT
#include "window/style_page.h"

#include "styles/style_service.h"
#include "widgets/control_hint.h"
#include "window/options_model.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace erakon {
namespace {

constexpr int kStyleItemHeight = 14;

// Choosing a name applies its style, so only the left button chooses: a
// right click is the way to the window's menu and a middle click means
// nothing here; neither moves the current name.
class StyleList final : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        // The press is taken, so that it reaches no other control; the context
        // menu event of a right button comes separately and opens the menu.
        if (event->button() != Qt::LeftButton) {
            event->accept();
            return;
        }
        QListWidget::mousePressEvent(event);
    }
};

} // namespace

StylePage::StylePage(StyleService& styles, OptionsModel& options, QWidget* parent)
    : QWidget(parent)
    , m_styles(styles)
    , m_styleList(new StyleList(this))
{
    m_styleList->setObjectName(QStringLiteral("styleList"));
    // Sorted by addStyleName() without regard to case; the widget's own
    // sorting would put capitals first.
    m_styleList->setSortingEnabled(false);
    m_styleList->setFrameShape(QFrame::NoFrame);
    m_styleList->setUniformItemSizes(true);
    setHint(m_styleList, QStringLiteral("View Style"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_styleList);
    fillStyleList();

    // The program moves the selection with the list's signals blocked, so
    // only the user's choice, by mouse or by keyboard, comes through. The
    // service looks for its carried styles anew before the chosen one is
    // applied, where the option takes effect.
    connect(m_styleList, &QListWidget::currentRowChanged, this, [this, &options] {
        if (const QListWidgetItem* item = m_styleList->currentItem()) {
            m_styles.rediscoverStyles();
            options.set(&OptionSettings::styleName, item->text());
        }
    });
}

void StylePage::fillStyleList()
{
    const QSignalBlocker quiet(m_styleList);
    m_styleList->clear();
    for (const QString& name : m_styles.names())
        addStyleName(name);
}

void StylePage::addStyleName(const QString& name)
{
    auto* item = new QListWidgetItem(name);
    item->setSizeHint(QSize(0, kStyleItemHeight));
    int row = 0;
    while (row < m_styleList->count() && m_styleList->item(row)->text().compare(name, Qt::CaseInsensitive) <= 0)
        ++row;
    m_styleList->insertItem(row, item);
}

void StylePage::selectActiveStyle()
{
    const QSignalBlocker quiet(m_styleList);
    const auto found = m_styleList->findItems(m_styles.activeName(), Qt::MatchFixedString);
    if (found.isEmpty())
        return;
    m_styleList->setCurrentItem(found.first());
    // The active style stands about in the middle: the first visible row is
    // half a page above it, kept within the list by the scroll bar.
    const int visibleRows = m_styleList->viewport()->height() / kStyleItemHeight;
    const int firstRow = std::max(0, m_styleList->currentRow() - visibleRows / 2);
    m_styleList->scrollToItem(m_styleList->item(firstRow), QAbstractItemView::PositionAtTop);
}

} // namespace erakon
