// SPDX-License-Identifier: MIT
#pragma once

namespace erakon {

// The window's pages, in the order of their tabs.
enum class Page {
    File,
    Conversion,
    Settings,
    Table,
    Age,
    Style,
    Help,
};

} // namespace erakon
