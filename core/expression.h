// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace erakon {

// Outcome of evaluating an arithmetic expression typed into a year box.
// On failure, errorPosition is the byte offset where evaluation gave up.
struct ExpressionResult {
    bool ok = false;
    double value = 0.0;
    std::size_t errorPosition = 0;

    explicit operator bool() const { return ok; }
};

// Evaluates numbers (whole or with a decimal point), unary + and -, binary
// + - * /, parentheses and spaces, with the usual precedence. Anything else,
// a division by zero or a result that is not a finite number is a failure;
// nesting is bounded so that hostile input cannot exhaust the stack.
ExpressionResult evaluateExpression(std::string_view text);

// Deepest parenthesis nesting that evaluateExpression accepts.
inline constexpr int maxExpressionNesting = 256;

} // namespace erakon
