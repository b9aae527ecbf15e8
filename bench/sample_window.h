// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QTabWidget;

namespace erakon::bench {

// A widget tree shaped like the main window (six pages of group boxes, year
// boxes, check boxes, buttons, a list and a text table, a status bar), for
// measuring and looking at the visual styles without the real window.
QWidget* makeSampleWindow(QWidget* parent = nullptr);

// The six pages alone; `current` is the index of the page to show.
QTabWidget* makeSamplePages(int current, QWidget* parent = nullptr);

} // namespace erakon::bench
