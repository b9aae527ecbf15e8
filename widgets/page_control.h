// SPDX-License-Identifier: MIT
#pragma once

#include <QTabWidget>

namespace erakon {

// The page control: tabs of one fixed width, set from the window's width.
// The width lives in the tab bar's size hint, so it survives style changes
// (a style sheet would be replaced by the next visual style).
class PageControl final : public QTabWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageControl)

public:
    explicit PageControl(QWidget* parent = nullptr);

    void setTabWidth(int width);
    int tabWidth() const;

    // The client width divided by one more than the number of pages, fraction dropped.
    static int tabWidthFor(int clientWidth, int pageCount);
};

} // namespace erakon
