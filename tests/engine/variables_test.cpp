#include "engine/messages.h"

#include "tests/engine/engine_test_support.h"

namespace vantor::test {
namespace {

namespace m = messages;

struct VariableCase {
    const char* name;
    std::vector<VariableRow> rows; // rows 0, 1, ... as their boxes hold them
    const char* expression;
    Outcome expected;
};

void PrintTo(const VariableCase& row, std::ostream* os)
{
    *os << row.expression;
}

class Variables : public testing::TestWithParam<VariableCase> {};

TEST_P(Variables, Evaluate)
{
    EvaluationContext rows;
    for (std::size_t i = 0; i < GetParam().rows.size(); ++i)
        rows.rows.at(i) = GetParam().rows[i];
    EXPECT_EQ(evaluate(rows, GetParam().expression), GetParam().expected);
}

const Outcome kUnknown = yields(u8(m::kUnknownIdentifier));
const Outcome kInError = yields(u8(m::kVariableInError));

const VariableCase kVariables[] = {
    {"ValueOfExpression", {{u"x", u"2*3", u"6"}}, "x+1", yields("7")},
    {"NegativeValueAsSubtraction", {{u"x", u"-5", u"-5"}}, "x+1", yields("-4")},
    {"NegativeValueAsOperand", {{u"x", u"0-5", u"-5"}}, "2*x", yields("-10")},
    {"ValueThroughFifteenDigits", {{u"x", u"1/3", u"0.333333333333333"}}, "3*x", yields("0.999999999999999")},
    {"FunctionInDegrees", {{u"x", u"sin(30)", u""}}, "x", yields("0.499999999481858")},
    {"InsideFunctionArgument", {{u"x", u"0-2", u"-2"}}, "abs(x)", yields("2")},
    {"ExpressionNotResultBox", {{u"x", u"4", u"99"}}, "x", yields("4")},
    {"UpperCaseTyped", {{u"r", u"2", u"2"}}, "R*3", yields("6")},
    {"NonAsciiUpperCaseTyped", {{u"ä", u"2", u"2"}}, "Ä*2", yields("4")},
    {"LongestNameWins", {{u"a", u"1", u"1"}, {u"ab", u"10", u"10"}}, "ab+a", yields("11")},
    {"LongestOfThreeWins",
     {{u"a", u"1", u"1"}, {u"abc", u"3", u"3"}, {u"ab", u"2", u"2"}},
     "abc",
     yields("3")},
    // Rows of equal name length end in the order the exchange procedure leaves them.
    {"EqualNamesInExchangeOrder",
     {{u"x", u"1", u"1"}, {u"x", u"2", u"2"}, {u"ab", u"3", u"3"}},
     "x",
     yields("2")},
    {"CapitalNameNeverMatches", {{u"R", u"2", u"2"}}, "r*3", kUnknown},
    {"NameWithBlankNeverMatches", {{u"a b", u"2", u"2"}}, "a b", kUnknown},
    {"EmptyNameIgnored", {{u"", u"5", u"5"}}, "x", kUnknown},
    {"NameBeginningWithDigit", {{u"2x", u"5", u"5"}}, "2x", kUnknown},
    {"NameHoldingFunctionName", {{u"cost", u"2", u"2"}}, "cost*2", yields(u8(m::kFunctionWithNoParanthesis))},
    {"NameWithLooseExponentLetter",
     {{u"rate", u"3", u"3"}},
     "rate*2",
     yields(u8(m::kWrongExponentialNumber))},
    {"UnnamedRowInError",
     {{u"x", u"2", u"2"}, {u"", u"(1", u"Error. Wrong Parenthisation"}},
     "x+1",
     kInError},
    {"StaleRowInErrorFixedSince", {{u"a", u"2", u"Error. No Text"}}, "a+1", kInError},
    {"NoVariableNoResultBoxes", {{u"a", u"2", u"Error. No Text"}}, "2*3", yields("6")},
    {"StaleRowWhoseExpressionNowFails", {{u"x", u"y+1", u"1"}, {u"y", u"2", u"2"}}, "x", kInError},
    {"StaleRowInsideArgument", {{u"y", u"z", u"1"}}, "abs(y)", faults(FaultKind::TypeMismatch)},
    // A name's ")" closes the argument's "(" that comes before it.
    {"BracketInNameClosesArgument", {{u"a)", u"5", u"5"}}, "(abs(a))", yields("5")},
    {"BracketInNameClosesArgumentInLongText",
     {{u"a)", u"5", u"5"}},
     "(abs(a))+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1",
     yields("36")},
    // The argument "(a)" is checked as a text of its own, where the name
    // "a)+b" is cut off: an unknown identifier, and so no number.
    {"BracketInNameReachingAcrossArgumentEdge",
     {{u"a)+b", u"5", u"5"}},
     "abs(a)+b",
     faults(FaultKind::TypeMismatch)},
    {"FaultInVariableExpression", {{u"x", u"1/0", u"1"}}, "x+1", faults(FaultKind::DivisionByZero)},
};
INSTANTIATE_TEST_SUITE_P(Rows, Variables, testing::ValuesIn(kVariables), RowName{});

// Computing a row puts its expression's result, evaluated without variables,
// into its result box; a row in error fails every use of a variable until it
// is computed again without error; a fault leaves the box as it was.
TEST(RowResults, ComputingARowRefreshesItsResultBox)
{
    EvaluationContext rows;
    rows.rows[0] = {u"r", u"2", u""};
    rows.rows[1] = {u"", u"(1", u""};
    rows.rows[2] = {u"y", u"r+1", u""};
    for (std::size_t i = 0; i < 3; ++i)
        computeRow(rows, i);
    EXPECT_EQ(u8(rows.rows[0].result), "2");
    EXPECT_EQ(u8(rows.rows[1].result), u8(m::kWrongParenthisation));
    EXPECT_EQ(u8(rows.rows[2].result), u8(m::kUnknownIdentifier));
    rows.rows[1].expression = rows.rows[2].expression = u"1";
    EXPECT_EQ(evaluate(rows, "r*3"), kInError);

    computeRow(rows, 1);
    computeRow(rows, 2);
    EXPECT_EQ(evaluate(rows, "r*3"), yields("6"));

    rows.rows[0].expression = u"1/0";
    EXPECT_THROW(computeRow(rows, 0), Fault);
    EXPECT_EQ(u8(rows.rows[0].result), "2");
}

} // namespace
} // namespace vantor::test
