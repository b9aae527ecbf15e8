// SPDX-License-Identifier: MIT
#include "core/expression.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace erakon {
namespace {

// Recursive descent over the grammar
//   sum     := product (("+" | "-") product)*
//   product := signed (("*" | "/") signed)*
//   signed  := ("+" | "-")* primary
//   primary := number | "(" sum ")"
// Only parentheses recurse, and their depth is bounded.
class Parser final {
public:
    explicit Parser(std::string_view text)
        : text_(text)
    {}

    ExpressionResult run()
    {
        const std::optional<double> value = sum();
        skipSpaces();
        if (!value || pos_ != text_.size())
            return fail();
        return {true, *value, 0};
    }

private:
    std::optional<double> sum()
    {
        std::optional<double> left = product();
        while (left) {
            const char op = peek();
            if (op != '+' && op != '-')
                break;
            ++pos_;
            const std::optional<double> right = product();
            if (!right)
                return std::nullopt;
            left = finite(op == '+' ? *left + *right : *left - *right);
        }
        return left;
    }

    std::optional<double> product()
    {
        std::optional<double> left = signedPrimary();
        while (left) {
            const char op = peek();
            if (op != '*' && op != '/')
                break;
            const std::size_t opPos = pos_++;
            const std::optional<double> right = signedPrimary();
            if (!right)
                return std::nullopt;
            if (op == '/' && *right == 0.0) {
                errorPos_ = opPos;
                return std::nullopt;
            }
            left = finite(op == '*' ? *left * *right : *left / *right);
        }
        return left;
    }

    // Signs are counted in a loop: a long run of them must not recurse.
    std::optional<double> signedPrimary()
    {
        bool negative = false;
        for (char c = peek(); c == '+' || c == '-'; c = peek()) {
            negative ^= (c == '-');
            ++pos_;
        }
        const std::optional<double> value = primary();
        if (!value)
            return std::nullopt;
        return negative ? -*value : *value;
    }

    std::optional<double> primary()
    {
        const char c = peek();
        if (c == '(') {
            if (depth_ == maxExpressionNesting) {
                errorPos_ = pos_;
                return std::nullopt;
            }
            ++pos_;
            ++depth_;
            const std::optional<double> inner = sum();
            --depth_;
            if (!inner)
                return std::nullopt;
            if (peek() != ')') {
                errorPos_ = pos_;
                return std::nullopt;
            }
            ++pos_;
            return inner;
        }
        return number();
    }

    std::optional<double> number()
    {
        const std::size_t start = pos_;
        std::size_t end = start;
        std::size_t digits = 0;
        while (end < text_.size() && isDigit(text_[end])) {
            ++end;
            ++digits;
        }
        if (end < text_.size() && text_[end] == '.') {
            ++end;
            while (end < text_.size() && isDigit(text_[end])) {
                ++end;
                ++digits;
            }
        }
        if (digits == 0) {
            errorPos_ = start;
            return std::nullopt;
        }
        double value = 0.0;
        const auto [ptr, ec] = std::from_chars(text_.data() + start, text_.data() + end, value,
                                               std::chars_format::fixed);
        if (ec != std::errc() || ptr != text_.data() + end || !std::isfinite(value)) {
            errorPos_ = start;
            return std::nullopt;
        }
        pos_ = end;
        return value;
    }

    // Overflow (1e308 * 10) is a failure, never inf or nan.
    std::optional<double> finite(double value)
    {
        if (std::isfinite(value))
            return value;
        errorPos_ = pos_;
        return std::nullopt;
    }

    char peek()
    {
        skipSpaces();
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }

    void skipSpaces()
    {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t'))
            ++pos_;
    }

    ExpressionResult fail() const { return {false, 0.0, errorPos_.value_or(pos_)}; }

    static bool isDigit(char c) { return c >= '0' && c <= '9'; }

    std::string_view text_;
    std::size_t pos_ = 0;
    int depth_ = 0;
    std::optional<std::size_t> errorPos_;
};

} // namespace

ExpressionResult evaluateExpression(std::string_view text) { return Parser(text).run(); }

} // namespace erakon
