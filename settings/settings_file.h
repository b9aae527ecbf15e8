// SPDX-License-Identifier: MIT
#pragma once

#include "settings/option_table.h"
#include "settings/settings_location.h"
#include "settings/window_placement.h"

#include <QString>

#include <optional>

// The settings file: read once while the main window is created, written at
// every close that goes ahead. The window stays thin:
//   start: loaded = loadSettings(location, placement read from the window,
//              window state, primary screen metrics);
//          the normal rectangle goes through keepOnScreen() with the window's
//          minimum size before it is applied (hidden), then the window state;
//          the options go into the window's options model in kOptionReadOrder.
//   close: error = saveSettings(location, programRecord(executable, LastClose
//              text), placement at close, window state, the model's options);
//          an error text is shown to the user, and the close goes on.
// Sections the program does not write survive every rewrite.

namespace erakon {

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
LoadedSettings loadSettings(const SettingsLocation& location, const WindowPlacement& current, int currentState,
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
std::optional<QString> saveSettings(const SettingsLocation& location, const ProgramRecord& program,
                                    const WindowPlacement& placement, int windowState, const OptionSettings& options);

} // namespace erakon
