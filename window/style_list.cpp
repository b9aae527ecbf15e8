// SPDX-License-Identifier: MIT
#include "window/style_list.h"

#include <QMouseEvent>

namespace erakon {

StyleList::StyleList(QWidget* parent)
    : QListWidget(parent)
{}

void StyleList::mousePressEvent(QMouseEvent* event)
{
    // The press is taken, so that it reaches no other control; the context
    // menu event of a right button comes separately and opens the menu.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
}

} // namespace erakon
