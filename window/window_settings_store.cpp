// SPDX-License-Identifier: MIT
#include "window/window_settings_store.h"

#include "settings/settings_file.h"
#include "window/options_model.h"
#include "window/window_geometry.h"

#include <utility>

namespace erakon {

WindowSettingsStore::WindowSettingsStore(std::optional<SettingsLocation> location)
    : m_location(std::move(location))
{}

void WindowSettingsStore::load(QWidget& window, OptionsModel& options)
{
    if (!m_location)
        return;
    const LoadedSettings loaded = loadSettings(*m_location, placementOf(window, m_placement), storedWindowState(window),
                                               primaryScreenMetrics());
    m_placement = loaded.placement;
    placeWindow(window, loaded.placement, loaded.windowState);
    options.load(loaded.options);
}

std::optional<QString> WindowSettingsStore::save(const QWidget& window, Qt::WindowStates states, bool placeKnown,
                                                 const OptionSettings& options, const QString& lastClose) const
{
    if (!m_location)
        return std::nullopt;
    return saveSettings(*m_location, programRecord(m_location->executablePath, lastClose),
                        placementToStore(window, m_placement, states, placeKnown), storedWindowState(states), options);
}

} // namespace erakon
