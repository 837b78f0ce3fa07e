#include "engine/evaluate.h"
#include "engine/messages.h"

#include "tests/engine/engine_test_support.h"

namespace vantor::test {
namespace {

EvaluationContext tokenRows()
{
    EvaluationContext rows;
    rows.rows[0] = {u"a", u"1", u"1"};
    rows.rows[1] = {u"ab", u"2", u"2"};
    rows.rows[2] = {u"x", u"2*3", u"6"};
    rows.rows[3] = {u"big", u"10^15", u"1E+15"};
    rows.rows[4] = {u"x9", u"7", u"7"};
    return rows;
}

// A text and what evaluating it comes to, with or without the variables,
// which shows how it was split into tokens and what was put in for its
// names: a number with two points is one token, a number with its exponent,
// pi, a function call or a variable one value.
struct TokenRow {
    const char* name;
    const char* text;
    bool vDetectVariable;
    Result expected;
};

void PrintTo(const TokenRow& row, std::ostream* os)
{
    *os << row.text;
}

class Tokenise : public testing::TestWithParam<TokenRow> {};

TEST_P(Tokenise, SplitsAndSubstitutes)
{
    const TokenRow& row = GetParam();
    const EvaluationContext rows = tokenRows();
    EXPECT_EQ(resultOf([&] { return cEvaluate(rows).Evaluate(u16(row.text), row.vDetectVariable); }),
              row.expected);
}

const TokenRow kTokens[] = {
    {"Decimal", "12.5+3", false, yields("15.5")},
    {"Brackets", "(1+2)*4", false, yields("12")},
    {"LeadingPoint", ".5%2", false, yields("0.5")},
    {"TwoPointsStayOneToken", "1.2.3", false, faults(FaultKind::TypeMismatch)},
    {"Power", "2^10", false, yields("1024")},
    {"NumberWithExponentIsOneValue", "2e3", false, yields("2000")},
    // The checks fail the text before a scan could drop the letter.
    {"DroppedLetterJoinsDigits", "2.e3", false, yields(u8(messages::kWrongExponentialNumber))},
    {"PiEachTime", "pi+pi", false, yields("6.2831853")},
    {"NegativeFunctionValue", "int(0-2.5)", false, yields("-3")},
    {"VariableValue", "x+1", true, yields("7")},
    // The checks fail the name before a scan could drop it.
    {"VariableNameDroppedWithoutLookup", "x+1", false, yields(u8(messages::kUnknownIdentifier))},
    {"LongestNameWins", "ab", true, yields("2")},
    {"LargeValueCarriedThrough", "big", true, yields("1E+15")},
};
INSTANTIATE_TEST_SUITE_P(Texts, Tokenise, testing::ValuesIn(kTokens), RowName{});

// The whole number, mantissa to exponent digits, is one operand, and so is a
// value in exponent form put in for a function call or a variable.
TEST(ExponentNumbers, TheWholeNumberIsOneOperand)
{
    const EvaluationContext rows = tokenRows();
    EXPECT_EQ(evaluate(rows, "2e3"), yields("2000"));
    EXPECT_EQ(evaluate(rows, "1/abs(-0.000015)"), yields("66666.6666666667"));
    EXPECT_EQ(evaluate(rows, "1/big"), yields("1E-15"));
    EXPECT_EQ(evaluate(rows, "1/2e3+1"), yields("1.0005"));
}

class Substitutions : public testing::TestWithParam<ExpressionRow> {};

TEST_P(Substitutions, Evaluate)
{
    EvaluationContext rows = tokenRows();
    rows.rows[1] = {u"y", u"1/100000", u"1E-05"};
    EXPECT_EQ(evaluate(rows, GetParam().expression), GetParam().expected);
}

const ExpressionRow kSubstitutions[] = {
    {"LargeFactorial", "fac(18)", yields("6.402373705728E+15")},
    {"LargerFactorial", "fac(20)", yields("2.43290200817664E+18")},
    {"LargeVariable", "big*2", yields("2E+15")},
    {"NegatedLargeValue", "-fac(20)", yields("-2.43290200817664E+18")},
    {"SmallQuotientOfLargeValue", "1/fac(18)", yields("1.56192069685862E-16")},
    {"ExponentNumberIsOneDivisor", "1/2e3", yields("0.0005")},
    {"ExponentNumberIsOneExponent", "2^1e1", yields("1024")},
    {"ExponentNumberIsOneBase", "2e3^2", yields("4000000")},
    {"SmallVariableIsOneDivisor", "3/y", yields("300000")},
    {"BlanksRemovedFirst", "2 3", yields("23")},
    {"NumberBeforeBracket", "2(3)", faults(FaultKind::Subscript)},
    {"BracketBeforeNumber", "(2)3", faults(FaultKind::Subscript)},
    {"NumberBeforeBracketThenOperator", "2(3)+", faults(FaultKind::Subscript)},
    {"NumberBeforePi", "2pi", faults(FaultKind::Subscript)},
    {"PiBeforeNumber", "pi2", faults(FaultKind::Subscript)},
    {"PiBeforeFraction", "pi.5", faults(FaultKind::Subscript)},
    {"NumberBeforeFunction", "2abs(3)", faults(FaultKind::Subscript)},
    {"NumberBeforeVariable", "2x", faults(FaultKind::Subscript)},
    {"VariableBeforeExponentNumber", "x1e3", faults(FaultKind::Subscript)},
    {"VariableValueIsNoMantissa", "x9e3", faults(FaultKind::Subscript)},
    {"DigitsAfterLargeValue", "fac(18)2", faults(FaultKind::Subscript)},
    {"DigitsAfterSmallValue", "1/fac(18)5", faults(FaultKind::Subscript)},
    {"DigitsAfterSmallVariable", "y5", faults(FaultKind::Subscript)},
    {"VariableBesideItself", "xx", faults(FaultKind::Subscript)},
    {"TwoDecimalPoints", "1.2.3", faults(FaultKind::TypeMismatch)},
    {"TwoDecimalPointsInBrackets", "2*(1.2.3)", faults(FaultKind::TypeMismatch)},
    {"PointAlone", "(.)", faults(FaultKind::TypeMismatch)},
};
INSTANTIATE_TEST_SUITE_P(Expressions, Substitutions, testing::ValuesIn(kSubstitutions), RowName{});

// A point after pi can join neither pi's digits nor stand alone.
TEST(Substitutions, PiFollowedByAPointFaults)
{
    EXPECT_TRUE(evaluate(EvaluationContext{}, "pi.").fault.has_value());
}

} // namespace
} // namespace vantor::test
