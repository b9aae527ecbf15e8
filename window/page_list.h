// SPDX-License-Identifier: MIT
#pragma once

#include "window/page.h"

#include <span>

class QWidget;

namespace erakon {

class Clock;
class Messages;
class ModernEras;
class OptionsModel;
class Pages;
class StyleService;
struct CommandActions;
struct DateFormatSettings;

// What the pages are made from: the window's services, which outlive them.
struct PageServices {
    const Clock& clock;
    const DateFormatSettings& formatSettings;
    // The eras the conversion page and the year table count with.
    const ModernEras& eras;
    OptionsModel& options;
    StyleService& styles;
    Messages& messages;
    const CommandActions& commands;
};

// One page of the window: its tab, how it is made and what entering it renews.
// A page is made the first time it is shown, unless it is the one the window
// opens on; nothing outside the page needs its controls before then.
struct PageEntry {
    Page page;
    const char* objectName;
    const char* caption; // UTF-8
    bool builtAtStart;
    // Makes the page inside `parent` and wires it to the rest of the window.
    QWidget* (*build)(const PageServices& services, Pages& pages, QWidget* parent);
    // What entering the page renews; null when nothing.
    void (*enter)(QWidget* page, Pages& pages);
};

// Every page, in the order of the tabs (entry i is Page(i)).
std::span<const PageEntry> pageList();

} // namespace erakon
