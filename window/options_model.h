// SPDX-License-Identifier: MIT
#pragma once

#include "settings/settings_file.h"

#include <QObject>

#include <variant>

namespace erakon {

// The program's options, held in one place. The settings page's controls, the
// window menu's check and radio items and the settings file bind to it (see
// option_bindings.h); the window applies an option where changed() names it.
// changed() comes once for each real change: setting an option to the value
// it holds says nothing.
class OptionsModel final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OptionsModel)

public:
    explicit OptionsModel(const OptionSettings& initial, QObject* parent = nullptr);

    const OptionSettings& values() const { return m_values; }

    template <typename T>
    const T& value(T OptionSettings::*field) const
    {
        return m_values.*field;
    }

    template <typename T>
    void set(T OptionSettings::*field, const T& value)
    {
        if (m_values.*field == value)
            return;
        m_values.*field = value;
        emit changed(keyOf(field));
    }

    // Takes the options of a settings file one by one in the order they are
    // read (kOptionReadOrder), each change said as it is made.
    void load(const OptionSettings& loaded);

    // The key of the option a field holds.
    template <typename T>
    static constexpr OptionKey keyOf(T OptionSettings::*field)
    {
        for (const OptionEntry& entry : kOptionTable) {
            const auto* candidate = std::get_if<T OptionSettings::*>(&entry.field);
            if (candidate && *candidate == field)
                return entry.key;
        }
        return OptionKey::StyleName; // not reached: every field has its row
    }

signals:
    void changed(erakon::OptionKey key);

private:
    OptionSettings m_values;
};

} // namespace erakon
