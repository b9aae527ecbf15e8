// SPDX-License-Identifier: MIT
#include "core/version_text.h"

#include "core/version.h"

namespace erakon {

std::string versionText(std::string_view programName)
{
    return std::string(programName) + " " + std::string(kVersion) + "\n" + std::string(kCopyrightNotice)
        + ".\n"
          "License MIT: <https://opensource.org/license/mit>.\n"
          "This is free software: you are free to change and redistribute it.\n"
          "There is NO WARRANTY, to the extent permitted by law.\n";
}

} // namespace erakon
