#include "tests/engine/engine_steps.h"
#include "tests/engine/engine_test_support.h"

namespace vantor::test {
namespace {

StoredContext tokenRows()
{
    StoredContext rows;
    rows.row(0) = {u"a", u"1", u"1"};
    rows.row(1) = {u"ab", u"2", u"2"};
    rows.row(2) = {u"x", u"2*3", u"6"};
    rows.row(3) = {u"big", u"10^15", u"1E+15"};
    rows.row(4) = {u"x9", u"7", u"7"};
    return rows;
}

struct TokenRow {
    const char* name;
    const char* text;
    bool vDetectVariable;
    std::vector<std::string> tokens;
};

void PrintTo(const TokenRow& row, std::ostream* os)
{
    *os << row.text;
}

class Tokenise : public testing::TestWithParam<TokenRow> {};

TEST_P(Tokenise, SplitsAndSubstitutes)
{
    const TokenRow& row = GetParam();
    const std::optional<EngineSteps::Texts> tokens =
        EngineSteps::Tokenise(tokenRows(), u16(row.text), row.vDetectVariable);
    ASSERT_TRUE(tokens.has_value());
    EXPECT_EQ(u8(*tokens), row.tokens);
}

const TokenRow kTokens[] = {
    {"Decimal", "12.5+3", false, {"12.5", "+", "3"}},
    {"Brackets", "(1+2)*4", false, {"(", "1", "+", "2", ")", "*", "4"}},
    {"LeadingPoint", ".5%2", false, {".5", "%", "2"}},
    {"TwoPointsStayOneToken", "1.2.3", false, {"1.2.3"}},
    {"Power", "2^10", false, {"2", "^", "10"}},
    {"ExponentBecomesBracketedProduct", "2e3", false, {"(", "2", "*", "10", "^", "3", ")"}},
    {"DroppedLetterJoinsDigits", "2.e3", false, {"2.3"}},
    {"PiEachTime", "pi+pi", false, {"3.14159265", "+", "3.14159265"}},
    {"NegativeFunctionValue", "int(0-2.5)", false, {"(", "0", "-", "3", ")"}},
    {"VariableValue", "x+1", true, {"6", "+", "1"}},
    {"VariableNameDroppedWithoutLookup", "x+1", false, {"+", "1"}},
    {"LongestNameWins", "ab", true, {"2"}},
    {"LargeValueCarriedThrough", "big", true, {"(", "1", "*", "10", "^", "15", ")"}},
};
INSTANTIATE_TEST_SUITE_P(Texts, Tokenise, testing::ValuesIn(kTokens), RowName{});

// The whole number, mantissa to exponent digits, becomes one bracketed product;
// a "+" after the letter is dropped and a "-" becomes a subtraction from zero.
TEST(ExpandExponent, PutsTheWholeNumberInBrackets)
{
    EXPECT_EQ(u8(ExpandExponent(u"2e3", 1)), "(2*10^3)");
    EXPECT_EQ(u8(ExpandExponent(u"1.5E-05", 3)), "(1.5*10^(0-05))");
    EXPECT_EQ(u8(ExpandExponent(u"1E+15", 1)), "(1*10^15)");
    EXPECT_EQ(u8(ExpandExponent(u"1/2e3+1", 3)), "1/(2*10^3)+1");
}

class Substitutions : public testing::TestWithParam<ExpressionRow> {};

TEST_P(Substitutions, Evaluate)
{
    StoredContext rows = tokenRows();
    rows.row(1) = {u"y", u"1/100000", u"1E-05"};
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
    EXPECT_TRUE(evaluate(StoredContext{}, "pi.").fault.has_value());
}

} // namespace
} // namespace vantor::test
