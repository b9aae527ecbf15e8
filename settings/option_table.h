// SPDX-License-Identifier: MIT
#pragma once

#include "core/era_table.h"
#include "core/life_rules.h"
#include "core/user_era_settings.h"

#include <QString>
#include <QStringView>

#include <array>
#include <variant>

// The options of the settings page and their keys in the section OPTION of
// the settings file.

namespace erakon {

// Where minimising puts the window: the item index of the choice "最小化時";
// no choice (kMinimizeToNone) minimises to the tray as the tray item does.
inline constexpr int kMinimizeToNone = -1;
inline constexpr int kMinimizeToTaskbar = 0;
inline constexpr int kMinimizeToTray = 1;

// The options of the settings page, already limited the way their controls
// take them: one value for the whole program, held by the window's options
// model. A new option is a field here and a row in kOptionTable.
struct OptionSettings {
    bool showEto = false;
    bool statusBar = false;
    bool stayOnTop = false;
    bool showBold = false;
    bool userEraShown = false;
    QString userEraName = QString::fromUtf8(kDefaultUserEraName); // may be empty
    int userEraOrigin = kDefaultUserEraOrigin; // 0..9999
    bool showHint = false;
    int minimize = kMinimizeToTaskbar; // kMinimizeToNone, kMinimizeToTaskbar or kMinimizeToTray
    bool closeQuery = false;
    bool saveStatus = true;
    QString styleName; // not checked against the style list
    Sex sex = Sex::Male; // whose 厄年 the age page lists; stored as its name, 男性 or 女性

    friend bool operator==(const OptionSettings&, const OptionSettings&) = default;
};

// The keys of the section OPTION, in the order of kOptionTable.
enum class OptionKey {
    ShowEto,
    StatusBar,
    StayOnTop,
    ShowBold,
    AddItem,
    AddName,
    ShowHint,
    AddYear,
    Minimize,
    CloseQuery,
    SaveStatus,
    StyleName,
    Sex,
};

// The field of OptionSettings that holds a key's value.
using OptionField =
    std::variant<bool OptionSettings::*, int OptionSettings::*, QString OptionSettings::*, Sex OptionSettings::*>;

// One key of the section OPTION: its name in the file, its field and, for a
// number, the range its control keeps it in (the reader limits it the same way).
struct OptionEntry {
    OptionKey key;
    QStringView name;
    OptionField field;
    int least = 0;
    int most = 0;
};

// The section OPTION, one row per key, in the order the keys are written.
inline constexpr std::array<OptionEntry, 13> kOptionTable{{
    {OptionKey::ShowEto, u"ShowEto", &OptionSettings::showEto},
    {OptionKey::StatusBar, u"StatusBar", &OptionSettings::statusBar},
    {OptionKey::StayOnTop, u"StayOnTop", &OptionSettings::stayOnTop},
    {OptionKey::ShowBold, u"ShowBold", &OptionSettings::showBold},
    {OptionKey::AddItem, u"AddItem", &OptionSettings::userEraShown},
    {OptionKey::AddName, u"AddName", &OptionSettings::userEraName},
    {OptionKey::ShowHint, u"ShowHint", &OptionSettings::showHint},
    {OptionKey::AddYear, u"AddYear", &OptionSettings::userEraOrigin, kUserEraOriginMin, kUserEraOriginMax},
    {OptionKey::Minimize, u"Minimize", &OptionSettings::minimize, kMinimizeToNone, kMinimizeToTray},
    {OptionKey::CloseQuery, u"CloseQuery", &OptionSettings::closeQuery},
    {OptionKey::SaveStatus, u"SaveStatus", &OptionSettings::saveStatus},
    {OptionKey::StyleName, u"StyleName", &OptionSettings::styleName},
    {OptionKey::Sex, u"Sex", &OptionSettings::sex},
}};

// The row of a key.
constexpr const OptionEntry& optionEntry(OptionKey key) { return kOptionTable[std::size_t(key)]; }

// The order in which the keys are read at start and the window applies them;
// applying an option can run a handler, so the order is visible. It is the
// table's order but for AddYear, which is read before ShowHint; StyleName,
// handed to the style selection, comes last.
inline constexpr std::array kOptionReadOrder{
    OptionKey::ShowEto,    OptionKey::StatusBar, OptionKey::StayOnTop, OptionKey::ShowBold, OptionKey::AddItem,
    OptionKey::AddName,    OptionKey::AddYear,   OptionKey::ShowHint,  OptionKey::Minimize, OptionKey::CloseQuery,
    OptionKey::SaveStatus, OptionKey::Sex,       OptionKey::StyleName,
};

namespace detail {
constexpr bool optionTableIsInKeyOrder()
{
    for (std::size_t row = 0; row < kOptionTable.size(); ++row) {
        if (kOptionTable[row].key != OptionKey(row))
            return false;
    }
    return true;
}
constexpr bool readOrderHoldsEveryKeyOnce()
{
    std::array<int, kOptionTable.size()> seen{};
    for (const OptionKey key : kOptionReadOrder)
        ++seen[std::size_t(key)];
    for (const int count : seen) {
        if (count != 1)
            return false;
    }
    return kOptionReadOrder.size() == kOptionTable.size();
}
constexpr bool everyNumberHasARange()
{
    for (const OptionEntry& entry : kOptionTable) {
        if (std::holds_alternative<int OptionSettings::*>(entry.field) && entry.least >= entry.most)
            return false;
    }
    return true;
}
} // namespace detail
static_assert(detail::optionTableIsInKeyOrder(), "kOptionTable lists the keys in the order of OptionKey");
static_assert(detail::readOrderHoldsEveryKeyOnce(), "kOptionReadOrder names every key once");
static_assert(detail::everyNumberHasARange(), "every number of kOptionTable has its least and most");

constexpr QStringView optionKeyName(OptionKey key) { return optionEntry(key).name; }

} // namespace erakon
