// SPDX-License-Identifier: MIT
#pragma once

#include "core/era_table.h"
#include "core/version.h"
#include "settings/window_placement.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The settings file: read once while the main window is created, written at
// every close that goes ahead. The window stays thin:
//   start: loaded = LoadSettings(location, placement read from the window,
//              window state, primary screen metrics);
//          the normal rectangle goes through keepOnScreen() with the window's
//          minimum size before it is applied (hidden), then the window state; the options go into their controls
//          in kOptionReadOrder, StyleName last, to the style selection.
//   close: error = SaveSettings(location, programRecord(executable, LastClose
//              text), placement at close, window state, options from the controls);
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

struct ScreenMetrics {
    int workAreaWidth = 0; // of the primary screen's work area
    int screenHeight = 0; // of the primary screen
};

// The settings page's options, already limited the way their controls take them.
struct OptionSettings {
    bool showEto = false;
    bool statusBar = false;
    bool stayOnTop = false;
    bool showBold = false;
    bool addItem = false;
    QString addName = QString::fromUtf8(kDefaultUserEraName); // may be empty
    int addYear = kDefaultUserEraOrigin; // 0..9999
    bool showHint = false;
    int minimize = 0; // -1 (none), 0 taskbar, 1 tray
    bool closeQuery = false;
    bool saveStatus = true;
    QString styleName; // not checked against the style list

    friend bool operator==(const OptionSettings&, const OptionSettings&) = default;
};

// The keys of the section OPTION.
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

// Order the keys are written in.
inline constexpr std::array kOptionWriteOrder{
    OptionKey::ShowEto,  OptionKey::StatusBar,  OptionKey::StayOnTop,  OptionKey::ShowBold,
    OptionKey::AddItem,  OptionKey::AddName,    OptionKey::ShowHint,   OptionKey::AddYear,
    OptionKey::Minimize, OptionKey::CloseQuery, OptionKey::SaveStatus, OptionKey::StyleName,
};
// Order the keys are read in at start, and the order in which the window puts
// them into its controls (a check box runs its click handler when its state
// changes, so the order is visible): AddYear comes before ShowHint, and
// StyleName, handed to the style selection, comes last.
inline constexpr std::array kOptionReadOrder{
    OptionKey::ShowEto,  OptionKey::StatusBar,  OptionKey::StayOnTop,  OptionKey::ShowBold,
    OptionKey::AddItem,  OptionKey::AddName,    OptionKey::AddYear,    OptionKey::ShowHint,
    OptionKey::Minimize, OptionKey::CloseQuery, OptionKey::SaveStatus, OptionKey::StyleName,
};

QStringView optionKeyName(OptionKey key);

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
