// SPDX-License-Identifier: MIT
#include "core/expression.h"

#include <gtest/gtest.h>

#include <string>

namespace erakon {
namespace {

struct GoodCase {
    const char* name;
    std::string text;
    double value;
};

class EvaluatesTo : public ::testing::TestWithParam<GoodCase> {};

TEST_P(EvaluatesTo, Value)
{
    const ExpressionResult result = evaluateExpression(GetParam().text);
    ASSERT_TRUE(result.ok) << "failed at " << result.errorPosition;
    EXPECT_DOUBLE_EQ(result.value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Expression, EvaluatesTo,
    ::testing::Values(GoodCase{"PlainNumber", "1989", 1989}, GoodCase{"Sum", "1989+5", 1994},
                      GoodCase{"ProductBeforeSum", "2+3*4", 14}, GoodCase{"DivisionBeforeDifference", "10-6/3", 8},
                      GoodCase{"LeftAssociativeDifference", "10-3-2", 5},
                      GoodCase{"LeftAssociativeDivision", "100/10/5", 2}, GoodCase{"ParenthesesFirst", "(2+3)*4", 20},
                      GoodCase{"NestedParentheses", "((1+2)*(3+4))", 21}, GoodCase{"UnaryMinus", "-5", -5},
                      GoodCase{"UnaryMinusAfterOperator", "2*-3", -6}, GoodCase{"DoubleMinus", "2--3", 5},
                      GoodCase{"UnaryPlus", "+7", 7}, GoodCase{"NegatedParentheses", "-(2+3)", -5},
                      GoodCase{"ManySigns", std::string(10000, '-') + "1", 1},
                      GoodCase{"Spaces", "  2 +\t3 * ( 4 - 1 ) ", 11}, GoodCase{"Decimals", "1.5*2", 3},
                      GoodCase{"FractionOnly", ".5+.5", 1}, GoodCase{"TrailingPoint", "3.+1", 4},
                      GoodCase{"FractionalResult", "7/2", 3.5}, GoodCase{"LeadingZeros", "007", 7},
                      GoodCase{"NestingAtTheLimit",
                               std::string(maxExpressionNesting, '(') + "1" + std::string(maxExpressionNesting, ')'),
                               1}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadCase {
    const char* name;
    std::string text;
};

class CannotBeEvaluated : public ::testing::TestWithParam<BadCase> {};

TEST_P(CannotBeEvaluated, Fails)
{
    const std::string& text = GetParam().text;
    const ExpressionResult result = evaluateExpression(text);
    EXPECT_FALSE(result.ok) << "gave " << result.value;
    EXPECT_LE(result.errorPosition, text.size());
}

INSTANTIATE_TEST_SUITE_P(
    Expression, CannotBeEvaluated,
    ::testing::Values(
        BadCase{"Empty", ""}, BadCase{"OnlySpaces", "   "}, BadCase{"SignAlone", "-"},
        BadCase{"TrailingOperator", "1989+"}, BadCase{"LeadingOperator", "*5"}, BadCase{"DoubleOperator", "2**3"},
        BadCase{"DivisionByZero", "1/0"}, BadCase{"DivisionByZeroExpression", "5/(3-3)"}, BadCase{"ZeroByZero", "0/0"},
        BadCase{"UnclosedParenthesis", "(1+2"}, BadCase{"UnopenedParenthesis", "1+2)"},
        BadCase{"EmptyParentheses", "()"}, BadCase{"MissingOperator", "2(3)"},
        BadCase{"NumbersWithoutOperator", "12 34"}, BadCase{"PointAlone", "."}, BadCase{"TwoPoints", "1.2.3"},
        BadCase{"Exponent", "1e5"}, BadCase{"Letters", "abc"}, BadCase{"TrailingGarbage", "12x"},
        BadCase{"ThousandsSeparator", "1,989"}, BadCase{"FullWidthDigits", "\xEF\xBC\x91"},
        BadCase{"NulInside",
                std::string("1\0"
                            "2",
                            3)},
        BadCase{"NumberBeyondDouble", "1" + std::string(400, '0')},
        BadCase{"OverflowingProduct", std::string(300, '9') + "*" + std::string(300, '9')},
        BadCase{"OverflowingSum", "1" + std::string(308, '0') + "+1" + std::string(308, '0')},
        BadCase{"TenThousandNestedParentheses", std::string(10000, '(') + "1" + std::string(10000, ')')},
        BadCase{"TenThousandOpenParentheses", std::string(10000, '(')},
        BadCase{"NestingBeyondTheLimit",
                std::string(maxExpressionNesting + 1, '(') + "1" + std::string(maxExpressionNesting + 1, ')')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Expression, ErrorPositionPointsAtTheProblem)
{
    EXPECT_EQ(evaluateExpression("12+x").errorPosition, 3u);
    EXPECT_EQ(evaluateExpression("4/0").errorPosition, 1u);
    EXPECT_EQ(evaluateExpression("(1+2").errorPosition, 4u);
}

} // namespace
} // namespace erakon
