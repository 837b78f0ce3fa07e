#include "tests/engine/engine_test_support.h"

namespace vantor::test {
namespace {

TEST(FaultKinds, EachKindHasItsText)
{
    const std::pair<FaultKind, std::string_view> kTexts[] = {
        {FaultKind::Overflow, "Overflow"},
        {FaultKind::DivisionByZero, "Division by zero"},
        {FaultKind::Subscript, "Subscript out of range"},
        {FaultKind::TypeMismatch, "Type mismatch"},
        {FaultKind::InvalidArgument, "Invalid procedure call or argument"},
        {FaultKind::OutOfStackSpace, "Out of stack space"},
    };
    ASSERT_EQ(std::size(kFaultKinds), std::size(kTexts));
    for (std::size_t i = 0; i < std::size(kTexts); ++i) {
        const auto [kind, text] = kTexts[i];
        EXPECT_EQ(kFaultKinds[i], kind);
        EXPECT_EQ(faultMessage(kind), text);
        EXPECT_STREQ(Fault(kind).what(), std::string(text).c_str());
    }
}

class Faults : public testing::TestWithParam<ExpressionRow> {};

TEST_P(Faults, AbandonTheEvaluation)
{
    EXPECT_EQ(evaluateIn(kDegrees, GetParam().expression), GetParam().expected);
}

const ExpressionRow kFaults[] = {
    {"DivisionByZero", "1/0", faults(FaultKind::DivisionByZero)},
    {"RemainderByZero", "5%0", faults(FaultKind::DivisionByZero)},
    {"ZeroToNegativePower", "0^(0-1)", faults(FaultKind::DivisionByZero)},
    {"ZeroByZero", "0/0", faults(FaultKind::Overflow)},
    {"ZeroRemainderZero", "0%0", faults(FaultKind::Overflow)},
    {"ProductBeyondRange", "10^308*10", faults(FaultKind::Overflow)},
    {"SumBeyondRange", "10^308+10^308", faults(FaultKind::Overflow)},
    {"NegativeBeyondRange", "(0-10^308)*10", faults(FaultKind::Overflow)},
    {"PowerBeyondRange", "10^400", faults(FaultKind::Overflow)},
    {"ExponentNumberBeyondRange", "1e400", faults(FaultKind::Overflow)},
    {"FactorialBeyondRange", "fac(171)", faults(FaultKind::Overflow)},
    {"FractionalPowerOfNegative", "(0-8)^(1/3)", faults(FaultKind::InvalidArgument)},
    {"LogOfZero", "log(0)", faults(FaultKind::InvalidArgument)},
    {"LogOfNegative", "log(-1)", faults(FaultKind::InvalidArgument)},
    {"ArcCosineAboveOne", "acos(2)", faults(FaultKind::InvalidArgument)},
    {"ArcSineBelowMinusOne", "asin(-2)", faults(FaultKind::InvalidArgument)},
    {"TrailingOperator", "2+", faults(FaultKind::Subscript)},
    {"OperatorBeforeClosingBracket", "(2*)", faults(FaultKind::Subscript)},
    {"OperatorAfterOpeningBracket", "(*2)", faults(FaultKind::Subscript)},
    {"OperatorAfterUnmatchedBracket", "2)+(3", faults(FaultKind::Subscript)},
    // A number whose exponent takes it beyond the range overflows where the
    // evaluation reaches it; one with two points is no number as soon as the
    // postfix conversion meets it, before any value is computed.
    {"OverflowingNumberAfterDivisionByZero", "1/0+1e400", faults(FaultKind::DivisionByZero)},
    {"OverflowingNumberBeforeDivisionByZero", "1e400+1/0", faults(FaultKind::Overflow)},
    // The largest double's 15 digits are beyond it: the number overflows only
    // when it is read, as the sum takes it, after the division on its right.
    {"NumberOverflowingWhenReadAfterDivisionByZero", "1.7976931348623157e308+(-1/(1-1))",
     faults(FaultKind::DivisionByZero)},
    {"NumberOverflowingWhenRead", "1.7976931348623157e308+1", faults(FaultKind::Overflow)},
    {"OverflowingNumberBeforeBracketAfterNumber", "1e400*2(3)", faults(FaultKind::Subscript)},
    {"TwoPointNumberWithExponentBeforeBracket", "1.2.3e5*2(3)", faults(FaultKind::TypeMismatch)},
    {"BracketBeforeTwoPointNumberWithExponent", "2(3)+1.2.3e5", faults(FaultKind::Subscript)},
    {"FaultInsideArgument", "abs(1/0)", faults(FaultKind::DivisionByZero)},
    {"UnclosedArgument", "1)+sin(2", faults(FaultKind::Overflow)},
    // The sign's operand closes before "(3": the argument is ((0-pi)(3)), and
    // its ")(" fails the checks, which the text as typed passed.
    {"ArgumentFailingTheChecks", "abs(-pi(3))", faults(FaultKind::TypeMismatch)},
    {"ArgumentFailingTheChecksInLongText",
     "1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+abs(-pi(3))+1+1+1+1+1",
     faults(FaultKind::TypeMismatch)},
};
INSTANTIATE_TEST_SUITE_P(Expressions, Faults, testing::ValuesIn(kFaults), RowName{});

} // namespace
} // namespace vantor::test
