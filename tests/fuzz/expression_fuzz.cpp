// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the year box's expression evaluator: it must never crash,
// hang or overflow the stack, and its result must keep its promises.
#include "core/expression.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const erakon::ExpressionResult result = erakon::evaluateExpression(text);
    if (result && !std::isfinite(result.value))
        std::abort(); // an accepted result is a finite number
    if (!result && result.errorPosition > text.size())
        std::abort(); // the error position points into the text or just past it
    return 0;
}
