// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace erakon {

// Text that comes from outside (an argument, the user era's name in the
// settings file) on its way to a terminal, where a control character would
// act instead of showing: ESC starts a sequence that may move the cursor,
// retitle the window or rewrite the screen, and so do C1 controls (U+009B is
// a CSI of its own) and, for a terminal that reads bytes, a lone byte 0x9B.
// The control characters C0, DEL and C1, and bytes that are not UTF-8, are
// shown escaped as the GNU tools show them: \t, \n, \r and the like by name,
// the others by their bytes in octal (\033, \302\233).

// The text with those characters escaped.
std::string visibleText(std::string_view text);

// The text in single quotes for a message, as GNU tools quote a file name:
// 'text', with each run of those characters outside the quotes in the shell's
// $'...' form ('a'$'\033''[31m'), and a quote in the text as '\''.
std::string quotedText(std::string_view text);

// The name the program was started by, for its messages: the last part of
// argv[0], or fallback when there is none, shown as visibleText().
std::string programNameOf(int argc, const char* const* argv, std::string_view fallback);

// The message for a command line that was refused, as the GNU tools word it:
// "<program>: <error>" and where to find the help.
std::string refusalText(std::string_view programName, std::string_view error);

// A reading of a command line that refuses it: Result's action Fail, with
// the error to show.
template <typename Result>
Result refusal(const std::string& error)
{
    Result result;
    result.action = Result::Action::Fail;
    result.error = error;
    return result;
}

} // namespace erakon
