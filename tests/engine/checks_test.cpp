#include "engine/messages.h"

#include "tests/engine/engine_steps.h"
#include "tests/engine/engine_test_support.h"

namespace vantor::test {
namespace {

namespace m = messages;

TEST(CleanExpression, RemovesBlanksOnlyAndLowersLetters)
{
    EXPECT_EQ(u8(CleanExpression(u" 2 + 3 ")), "2+3");
    EXPECT_EQ(u8(CleanExpression(u"SIN(30)+1E5")), "sin(30)+1e5");
    EXPECT_EQ(u8(CleanExpression(u"2\t+3")), "2\t+3");
}

struct CheckRow {
    const char* name;
    const char* text;
    std::u16string_view message; // empty: the text passes every check
};

void PrintTo(const CheckRow& row, std::ostream* os)
{
    *os << row.text;
}

// Rows named x, a and ab, none in error.
EvaluationContext namedRows()
{
    EvaluationContext rows;
    rows.rows[0] = {u"x", u"2", u"2"};
    rows.rows[1] = {u"a", u"1", u"1"};
    rows.rows[2] = {u"ab", u"3", u"3"};
    return rows;
}

class Checks : public testing::TestWithParam<CheckRow> {};

// The checks run in a fixed order; the first that fails decides the message.
TEST_P(Checks, FirstFailingCheckDecides)
{
    const std::string expected = GetParam().message.empty() ? GetParam().text : u8(GetParam().message);
    EXPECT_EQ(u8(EngineSteps::CheckExpression(namedRows(), u16(GetParam().text), true)), expected);
}

const CheckRow kChecks[] = {
    {"Empty", "", m::kNoText},
    {"BracketCount", "((2)", m::kWrongParenthisation},
    {"BracketCountBeforeOperators", "(2++3", m::kWrongParenthisation},
    {"OnlyFinalBracketCountMatters", "2)+(3", {}},
    {"OperatorPair", "2*-3", m::kWrongArrangementOfOperands},
    {"MinusAfterPower", "2^-1", m::kWrongArrangementOfOperands},
    {"LeadingPlus", "+3", m::kWrongArrangementOfOperands},
    {"LeadingOperatorBeforeEmptyBrackets", "*()", m::kWrongArrangementOfOperands},
    {"SignAfterBracketPasses", "2*(-3)", {}},
    {"LeadingMinusPasses", "-3+2", {}},
    {"TrailingOperatorPasses", "2+", {}},
    {"EmptyBrackets", "2*()", m::kWrongArrangementOfParenthesis},
    {"BackToBackBrackets", "(2)(3)", m::kWrongArrangementOfParenthesis},
    {"LeadingClosingBracket", ")2(", m::kWrongArrangementOfParenthesis},
    {"EmptyBracketsBeforeFunctionName", "sin()", m::kWrongArrangementOfParenthesis},
    {"OperatorsBesideBracketsPass", "(*2)-(2+)", {}},
    {"DigitBesideBracketPasses", "2(3)-(2)3", {}},
    {"TwoDecimalPointsPass", "1.2.3", {}},
    {"FunctionWithoutBracket", "sin30", m::kFunctionWithNoParanthesis},
    {"FunctionNameAtEnd", "2*sin", m::kFunctionWithNoParanthesis},
    {"FunctionBeforeExponentLetter", "e+sin", m::kFunctionWithNoParanthesis},
    {"InnerNameOfArcFunctionPasses", "asin(1)", {}},
    {"ExponentLetterFirst", "e2", m::kWrongExponentialNumber},
    {"ExponentLetterLast", "2e", m::kWrongExponentialNumber},
    {"SignedExponent", "2e-5", m::kWrongExponentialNumber},
    {"PointBeforeExponent", "2.e5", m::kWrongExponentialNumber},
    {"PointAfterExponent", "2e.5", m::kWrongExponentialNumber},
    {"ExponentBeforeIdentifiers", "2ey", m::kWrongExponentialNumber},
    {"ExponentBetweenDigitsPasses", "1e5*1.5e3", {}},
    {"PiPasses", "2*pi", {}},
    {"UnknownName", "2*y", m::kUnknownIdentifier},
    {"EachXMatchesByItself", "xx", {}},
    {"LongerNameTakenFirst", "ab+1", {}},
    {"PiTakenBeforeTheNameAfterIt", "pix", {}},
    {"PiFollowedByUnknownLetter", "piy", m::kUnknownIdentifier},
};
INSTANTIATE_TEST_SUITE_P(Texts, Checks, testing::ValuesIn(kChecks), RowName{});

TEST(Checks, WithoutVariablesOnlyFunctionsAndPiAreKnown)
{
    EXPECT_EQ(u8(EngineSteps::CheckExpression(namedRows(), u"2*x", false)), u8(m::kUnknownIdentifier));
    EXPECT_EQ(u8(EngineSteps::CheckExpression(namedRows(), u"2*pi", false)), "2*pi");
}

// A result box beginning "Error", in any row, named or not, fails every use of a variable.
TEST(Checks, ARowInErrorFailsEveryUseOfAVariable)
{
    EvaluationContext rows = namedRows();
    rows.rows[4].result = u"Error. Wrong Parenthisation";
    EXPECT_EQ(u8(EngineSteps::CheckExpression(rows, u"2*x", true)), u8(m::kVariableInError));
    EXPECT_EQ(u8(EngineSteps::CheckExpression(rows, u"2*3", true)), "2*3");
}

TEST(Checks, AMessageEvaluatedAgainFailsOnItsExponentLetter)
{
    EXPECT_EQ(evaluateIn(kDegrees, "   "), yields(u8(m::kNoText)));
    EXPECT_EQ(evaluateIn(kDegrees, "Error. Wrong Parenthisation"), yields(u8(m::kWrongExponentialNumber)));
    EXPECT_EQ(evaluateIn(kDegrees, "Error. No Text12"), yields(u8(m::kWrongExponentialNumber)));
}

} // namespace
} // namespace vantor::test
