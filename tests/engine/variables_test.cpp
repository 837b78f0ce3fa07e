#include "engine/messages.h"

#include "tests/engine/engine_test_support.h"

#include <algorithm>
#include <optional>

namespace vantor::test {
namespace {

namespace m = messages;

struct VariableCase {
    const char* name;
    std::vector<VariableRow> rows; // rows 0, 1, ... as their boxes hold them
    const char* expression;
    Result expected;
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

const Result kUnknown = yields(u8(m::kUnknownIdentifier));
const Result kInError = yields(u8(m::kVariableInError));

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
    {"StaleRowWhoseExpressionNowFails", {{u"x", u"y+1", u"1"}, {u"y", u"2", u"2"}}, "x", kInError},
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
// is computed again without error.
TEST(RowResults, ComputingARowRefreshesItsResultBox)
{
    EvaluationContext rows;
    rows.rows[0] = {u"r", u"2", u""};
    rows.rows[1] = {u"", u"(1", u""};
    rows.rows[2] = {u"y", u"r+1", u""};
    const auto compute = [&](std::size_t i) { rows.rows[i].result = computeRow(rows, i).text; };
    for (std::size_t i = 0; i < 3; ++i)
        compute(i);
    EXPECT_EQ(u8(rows.rows[0].result), "2");
    EXPECT_EQ(u8(rows.rows[1].result), u8(m::kWrongParenthisation));
    EXPECT_EQ(u8(rows.rows[2].result), u8(m::kUnknownIdentifier));
    rows.rows[1].expression = rows.rows[2].expression = u"1";
    EXPECT_EQ(evaluate(rows, "r*3"), kInError);

    compute(1);
    compute(2);
    EXPECT_EQ(evaluate(rows, "r*3"), yields("6"));
}

// What "=" computes: the expression, then each named row, all against the
// rows as they stood before; the first fault ends it.
struct CommandCase {
    const char* name;
    std::vector<VariableRow> rows;
    const char* expression;
    Result expected;
    std::vector<std::optional<Result>> expectedRows; // rows 0, 1, ...; unset: not computed
};

void PrintTo(const CommandCase& row, std::ostream* os)
{
    *os << row.expression;
}

class ExpressionThenRows : public testing::TestWithParam<CommandCase> {};

TEST_P(ExpressionThenRows, Compute)
{
    const CommandCase& command = GetParam();
    EvaluationContext rows;
    std::ranges::copy(command.rows, rows.rows.begin());
    const ExpressionAndRows results = computeExpressionAndRows(rows, u16(command.expression));
    EXPECT_EQ(results.expression, command.expected);
    for (std::size_t i = 0; i < rows.rows.size(); ++i)
        EXPECT_EQ(results.rows[i], i < command.expectedRows.size() ? command.expectedRows[i] : std::nullopt)
            << "row " << i;
}

const Result kDivisionByZero = faults(FaultKind::DivisionByZero);

const CommandCase kCommands[] = {
    // A name of blanks is a name; an empty one skips its row.
    {"NamedRowsOnly",
     {{u"r", u"2", u""}, {u"", u"2*3", u"kept"}, {u" ", u"1+1", u""}},
     "r*3",
     yields("6"),
     {yields("2"), std::nullopt, yields("2")}},
    {"RowInErrorNamedOrNot",
     {{u"a", u"1", u"1"}, {u"", u"(1", u"Error. Wrong Parenthisation"}},
     "a+1",
     kInError,
     {yields("1")}},
    {"RowInErrorLeavesPlainExpressions",
     {{u"a", u"1", u"1"}, {u"", u"(1", u"Error. Wrong Parenthisation"}},
     "2*3",
     yields("6"),
     {yields("1")}},
    // The row is recomputed without error, but only after the expression.
    {"RowMendedAfterTheExpression", {{u"a", u"1", u"Error. No Text"}}, "a+1", kInError, {yields("1")}},
    {"StaleRowRecomputedInError",
     {{u"x", u"(1", u"2"}},
     "x+1",
     kInError,
     {yields(u8(m::kWrongParenthisation))}},
    {"FaultInExpressionComputesNoRow", {{u"a", u"2", u"old"}}, "1/0", kDivisionByZero, {}},
    {"StaleRowInArgumentFaults", {{u"x", u"(1", u"2"}}, "abs(x)", faults(FaultKind::TypeMismatch), {}},
    {"FaultInRowEndsTheRows",
     {{u"a", u"1", u"r0"}, {u"b", u"1/0", u"r1"}, {u"c", u"3", u"r2"}},
     "4",
     yields("4"),
     {yields("1"), kDivisionByZero}},
    {"FirstFaultOfTheRowsWins",
     {{u"a", u"log(0)", u""}, {u"b", u"1/0", u""}},
     "2",
     yields("2"),
     {faults(FaultKind::InvalidArgument)}},
};
INSTANTIATE_TEST_SUITE_P(Commands, ExpressionThenRows, testing::ValuesIn(kCommands), RowName{});

} // namespace
} // namespace vantor::test
