// SPDX-License-Identifier: MIT
#pragma once

#include "core/era_table.h"
#include "core/user_era_settings.h"
#include "core/version.h"
#include "settings/window_placement.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <variant>

// The settings file: read once while the main window is created, written at
// every close that goes ahead. The window stays thin:
//   start: loaded = LoadSettings(location, placement read from the window,
//              window state, primary screen metrics);
//          the normal rectangle goes through keepOnScreen() with the window's
//          minimum size before it is applied (hidden), then the window state;
//          the options go into the window's options model in kOptionReadOrder.
//   close: error = SaveSettings(location, programRecord(executable, LastClose
//              text), placement at close, window state, the model's options);
//          an error text is shown to the user, and the close goes on.
// Sections the program does not write survive every rewrite.

namespace erakon {

// Where the settings live: the XDG configuration folder ($XDG_CONFIG_HOME, else
// ~/.config) and the running executable. Passed in so tests can use their own.
// Paths may carry raw bytes (raw_bytes.h).
struct SettingsLocation {
    QString configHome;
    QString executablePath;
};

// The location of the running program: xdgConfigHome() and runningExecutablePath().
SettingsLocation systemSettingsLocation();

// The name of the program when its own cannot be had.
inline const QString kDefaultProgramName = QString::fromUtf8(kProgramName);

// The executable's file name up to its last "." (the whole name when it has
// none, or when its only "." starts it); kDefaultProgramName when the path
// is empty or its file name is not UTF-8.
QString programName(const QString& executablePath);
// <configHome>/Harunagi/<program name>/<program name>.ini; empty when
// configHome is not an absolute path. Neither creates nor checks anything.
QString SettingsFilePath(const SettingsLocation& location);
// The executable's path with its extension replaced by ".ini"; empty when the
// executable's path is not known (not absolute).
QString fallbackSettingsPath(const SettingsLocation& location);
// The file the settings are read from: the per-user file when anything stands
// there, else the one beside the executable; empty when neither is known.
QString settingsFileToRead(const SettingsLocation& location);

struct ScreenMetrics {
    int workAreaWidth = 0; // of the primary screen's work area
    int screenHeight = 0; // of the primary screen
};

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
    bool addItem = false;
    QString addName = QString::fromUtf8(kDefaultUserEraName); // may be empty
    int addYear = kDefaultUserEraOrigin; // 0..9999
    bool showHint = false;
    int minimize = kMinimizeToTaskbar; // kMinimizeToNone, kMinimizeToTaskbar or kMinimizeToTray
    bool closeQuery = false;
    bool saveStatus = true;
    QString styleName; // not checked against the style list

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
};

// The field of OptionSettings that holds a key's value.
using OptionField = std::variant<bool OptionSettings::*, int OptionSettings::*, QString OptionSettings::*>;

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
inline constexpr std::array<OptionEntry, 12> kOptionTable{{
    {OptionKey::ShowEto, u"ShowEto", &OptionSettings::showEto},
    {OptionKey::StatusBar, u"StatusBar", &OptionSettings::statusBar},
    {OptionKey::StayOnTop, u"StayOnTop", &OptionSettings::stayOnTop},
    {OptionKey::ShowBold, u"ShowBold", &OptionSettings::showBold},
    {OptionKey::AddItem, u"AddItem", &OptionSettings::addItem},
    {OptionKey::AddName, u"AddName", &OptionSettings::addName},
    {OptionKey::ShowHint, u"ShowHint", &OptionSettings::showHint},
    {OptionKey::AddYear, u"AddYear", &OptionSettings::addYear, kUserEraOriginMin, kUserEraOriginMax},
    {OptionKey::Minimize, u"Minimize", &OptionSettings::minimize, kMinimizeToNone, kMinimizeToTray},
    {OptionKey::CloseQuery, u"CloseQuery", &OptionSettings::closeQuery},
    {OptionKey::SaveStatus, u"SaveStatus", &OptionSettings::saveStatus},
    {OptionKey::StyleName, u"StyleName", &OptionSettings::styleName},
}};

// The row of a key.
constexpr const OptionEntry& optionEntry(OptionKey key) { return kOptionTable[std::size_t(key)]; }

// The order in which the keys are read at start and the window applies them;
// applying an option can run a handler, so the order is visible. It is the
// table's order but for AddYear, which is read before ShowHint; StyleName,
// handed to the style selection, comes last.
inline constexpr std::array kOptionReadOrder{
    OptionKey::ShowEto,  OptionKey::StatusBar,  OptionKey::StayOnTop,  OptionKey::ShowBold,
    OptionKey::AddItem,  OptionKey::AddName,    OptionKey::AddYear,    OptionKey::ShowHint,
    OptionKey::Minimize, OptionKey::CloseQuery, OptionKey::SaveStatus, OptionKey::StyleName,
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

// The window state a stored value gives: 0, 1 and 2 as they are, any other
// value the normal state.
int windowStateFromStored(int stored);

struct LoadedSettings {
    QString filePath; // the file read (it may not exist)
    WindowPlacement placement; // showCmd is always kShowCmdHide
    int windowState = kWindowStateNormal;
    OptionSettings options;
};

// Reads the settings at start: the per-user file when anything stands there,
// else the file beside the executable. A file that is not a regular one, or
// larger than kIniFileMaxSize, is not read. Missing values take their defaults: the current
// placement's flags, show command and maximized position, a normal rectangle
// of the middle third (left = work-area width / 3, top = screen height / 3,
// right and bottom twice the left and top read), currentState for the state,
// and the defaults of OptionSettings. Never fails.
LoadedSettings LoadSettings(const SettingsLocation& location, const WindowPlacement& current, int currentState,
                            const ScreenMetrics& screen);

// The section PROGRAM: which program wrote the file, from where and when.
struct ProgramRecord {
    QString name; // executable file name with its extension
    QString path; // executable's folder, no trailing "/" (the root stays "/")
    QString version;
    QString lastClose; // local date and time of the close, already formatted
};

// The record for the executable, with the program's version text (kVersionText).
ProgramRecord programRecord(const QString& executablePath, const QString& lastClose);

// Writes the settings at close: the per-user file (its folder created when
// missing; the file beside the executable when that fails), keeping the
// sections the program does not write. The file is replaced whole through a
// temporary file, so a failure or a kill half way leaves the old file as it
// was; a link is written through, and the file keeps its owner, group and
// mode. Returns the error text when the file cannot be read or written, or
// is not a regular file, or is too large to read.
std::optional<QString> SaveSettings(const SettingsLocation& location, const ProgramRecord& program,
                                    const WindowPlacement& placement, int windowState, const OptionSettings& options);

} // namespace erakon
