// SPDX-License-Identifier: MIT
#pragma once

#include "core/historical_era.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace erakon {

// Eras that begin after the built-in table's last one, added without a new
// build: an administrator's file and a user's file, plain text, one era a line.
//
//     # name  reading  romanised name  initial  first day
//     新元    しんげん  Shingen         N        2031-04-01
//
// Fields are separated by blanks or tabs; the initial is one letter, or "-"
// for none; the first day is written YYYY-MM-DD. Empty lines and lines that
// start with "#" are skipped. The files are UTF-8.

// The file's name, in the settings file's folder and in each folder of
// $XDG_CONFIG_DIRS below the same vendor and program folders.
inline constexpr std::string_view kEraFileName = "eras.conf";

// The administrator's file: <first folder of configDirs that is absolute, else
// /etc/xdg>/Harunagi/<program name>/eras.conf. configDirs is the value of
// $XDG_CONFIG_DIRS, folders separated by ":".
std::string administratorEraFilePath(std::string_view configDirs, std::string_view executablePath);

// The user's file beside a settings file: the same folder, eras.conf. Empty
// for an empty settings path.
std::string userEraFilePath(std::string_view settingsFilePath);

// The files a program reads, in this order: the administrator's, then the
// user's beside the per-user settings file under configHome.
std::vector<std::string> eraFilePaths(std::string_view configDirs, std::string_view configHome,
                                      std::string_view executablePath);

// One thing wrong in an era file: the file, its line (from 1) and what is
// wrong, in English. The line is left out of the table; the others stay.
struct EraFileProblem {
    std::string path;
    int line = 0;
    std::string what;

    // "/etc/xdg/Harunagi/erakon/eras.conf:3: <what>".
    std::string text() const;
    friend bool operator==(const EraFileProblem&, const EraFileProblem&) = default;
};

// The table of eras in force: the built-in one, then the eras the files add,
// each with where it came from. Holds the added eras' texts itself, so the
// eras it hands out stay valid while it lives.
class EraTable final {
public:
    EraTable();
    ~EraTable();
    EraTable(EraTable&&) noexcept;
    EraTable& operator=(EraTable&&) noexcept;
    EraTable(const EraTable&) = delete;
    EraTable& operator=(const EraTable&) = delete;

    // Adds the good lines of a file's text; every bad line becomes a problem.
    void addFile(std::string_view path, std::string_view text);
    // A file that could not be read at all.
    void addProblem(EraFileProblem problem) { m_problems.push_back(std::move(problem)); }

    std::span<const HistoricalEra> eras() const { return m_eras; }
    const std::vector<EraFileProblem>& problems() const { return m_problems; }
    // The eras the files added, in order.
    std::span<const HistoricalEra> addedEras() const;
    // "built-in", or the file and line an added era came from.
    std::string sourceOf(const HistoricalEra& era) const;

private:
    struct AddedEra;
    std::vector<HistoricalEra> m_eras;
    std::vector<std::unique_ptr<AddedEra>> m_added;
    std::vector<EraFileProblem> m_problems;
};

// The table read from the files that exist (the administrator's, then the
// user's); a file that cannot be read is a problem of its own, line 0.
EraTable readEraTable(std::span<const std::string> paths);

} // namespace erakon
