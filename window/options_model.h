// SPDX-License-Identifier: MIT
#pragma once

#include "settings/option_table.h"

#include <QObject>

#include <algorithm>
#include <type_traits>
#include <variant>

namespace erakon {

// The program's options, held in one place. The settings page's controls, the
// window menu's check and radio items and the settings file bind to it (see
// option_bindings.h); the window applies an option where changed() names it.
// changed() comes once for each real change: setting an option to the value
// it holds says nothing. A number is kept within its row's range, whatever a
// control holds while the user types.
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

    // A number beyond its row's least or most is taken as that limit, as the
    // settings file's reader takes it.
    template <typename T>
    void set(T OptionSettings::*field, const T& value)
    {
        const OptionKey key = keyOf(field);
        if constexpr (std::is_same_v<T, int>) {
            const OptionEntry& row = optionEntry(key);
            store(field, key, std::clamp(value, row.least, row.most));
        } else {
            store(field, key, value);
        }
    }

    // Takes the options of a settings file one by one in the order they are
    // read (kOptionReadOrder), each change said as it is made.
    void load(const OptionSettings& loaded);

    // The key of the option a field holds. A field without a row in
    // kOptionTable would be neither read, written nor said to change: the
    // program stops there with a message rather than take another option's key.
    template <typename T>
    static constexpr OptionKey keyOf(T OptionSettings::*field)
    {
        for (const OptionEntry& entry : kOptionTable) {
            const auto* candidate = std::get_if<T OptionSettings::*>(&entry.field);
            if (candidate && *candidate == field)
                return entry.key;
        }
        stopAtFieldWithoutRow();
    }

signals:
    void changed(erakon::OptionKey key);

private:
    [[noreturn]] static void stopAtFieldWithoutRow();

    template <typename T>
    void store(T OptionSettings::*field, OptionKey key, const T& value)
    {
        if (m_values.*field == value)
            return;
        m_values.*field = value;
        emit changed(key);
    }

    OptionSettings m_values;
};

} // namespace erakon
