// SPDX-License-Identifier: MIT
#pragma once

#include "settings/option_table.h"
#include "settings/settings_location.h"
#include "settings/window_placement.h"

#include <QString>
#include <Qt>

#include <optional>

class QWidget;

namespace erakon {

class OptionsModel;

// The window's side of the settings file: read into the hidden window and its
// options while the window is made, written back from them at the close.
class WindowSettingsStore {
public:
    // Without a location nothing is read or written.
    explicit WindowSettingsStore(std::optional<SettingsLocation> location);

    // Places the window, not shown yet, as the file says and loads its options.
    void load(QWidget& window, OptionsModel& options);
    // Writes the window's place in `states` and the options. `placeKnown` is
    // false where the window system keeps the place from the program. Returns
    // the error's text when the file could not be written.
    std::optional<QString> save(const QWidget& window, Qt::WindowStates states, bool placeKnown,
                                const OptionSettings& options, const QString& lastClose) const;

private:
    std::optional<SettingsLocation> m_location;
    // The placement read at start; its flags and maximized position go back
    // into the file unchanged unless the window is maximized at close.
    WindowPlacement m_placement;
};

} // namespace erakon
