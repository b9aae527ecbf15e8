// SPDX-License-Identifier: MIT
// erakon-cli: the conversion without a window, from the core alone.
#include "cli/command_line_run.h"
#include "cli/settings_source.h"
#include "core/clock.h"
#include "core/terminal_text.h"
#include "core/version.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

int main(int argc, char** argv)
{
    const std::string programName = erakon::programNameOf(argc, argv, erakon::kCommandLineProgramName);
    const erakon::SystemClock clock;
    const erakon::CommandContext context{clock, erakon::readSettingsFileOfTheWindow,
                                         [] { return erakon::readEraTable(erakon::eraFilesOfTheWindow()); }};
    const erakon::CommandResult result = erakon::runCommandLine(
        std::span<const char* const>(argv + (argc > 0 ? 1 : 0), std::size_t(argc > 0 ? argc - 1 : 0)), programName,
        context);

    // A full disk or a closed pipe must not pass for success.
    const bool written = std::fwrite(result.out.data(), 1, result.out.size(), stdout) == result.out.size()
        && std::fflush(stdout) == 0;
    std::fwrite(result.err.data(), 1, result.err.size(), stderr);
    if (!written) {
        const int error = errno;
        std::fprintf(stderr, "%.*s: write error: %s\n", int(programName.size()), programName.data(),
                     std::strerror(error));
        return result.status != 0 ? result.status : 1;
    }
    return result.status;
}
