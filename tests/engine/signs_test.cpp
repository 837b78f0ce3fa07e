#include "tests/engine/engine_steps.h"
#include "tests/engine/engine_test_support.h"

namespace vantor::test {
namespace {

struct RewriteRow {
    const char* name;
    const char* text;
    const char* rewritten;
};

void PrintTo(const RewriteRow& row, std::ostream* os)
{
    *os << row.text;
}

class RewriteSigns : public testing::TestWithParam<RewriteRow> {};

// A minus at the start or after an operator or "(" is a sign: it becomes a
// subtraction of its whole operand from zero.
TEST_P(RewriteSigns, NegatesTheWholeOperand)
{
    const RewriteRow& row = GetParam();
    const Text once = vantor::RewriteSigns(u16(row.text));
    EXPECT_EQ(u8(once), row.rewritten);
    EXPECT_EQ(u8(vantor::RewriteSigns(once)), row.rewritten) << "a second pass changes nothing";
}

const RewriteRow kRewrites[] = {
    {"LeadingNumber", "-5+3", "(0-5)+3"},
    {"LeadingDecimal", "-12.5*3", "(0-12.5)*3"},
    {"AfterOpeningBracket", "2*(-3)", "2*((0-3))"},
    {"PointBelongsToTheRun", "(-.5)", "((0-.5))"},
    {"InsideFunctionArgument", "sin(-30)", "sin((0-30))"},
    {"OnlyTheFirstMinusIsASign", "-1-2", "(0-1)-2"},
    {"AfterPowerOperator", "2*10^-05", "2*10^(0-05)"},
    {"SubtractionAfterDigit", "5-3", "5-3"},
    {"SubtractionAfterBracket", "(2+3)-4", "(2+3)-4"},
    {"SubtractionAfterLetter", "x-1", "x-1"},
    {"AlreadyRewritten", "(0-5)+3", "(0-5)+3"},
    {"BracketedGroup", "-(2+3)", "(0-(2+3))"},
    {"NestedGroupUpToItsMatchingBracket", "-(1+(2))*3", "(0-(1+(2)))*3"},
    {"UnclosedGroupToTheEnd", "-(2", "(0-(2)"},
    {"FunctionWithItsArgument", "-sin(30)+1", "(0-sin(30))+1"},
    {"SignInsideNegatedFunction", "-abs(-2)", "(0-abs((0-2)))"},
    {"Pi", "(-pi*2)", "((0-pi)*2)"},
    {"NameUpToNextOperator", "-x^2", "(0-x)^2"},
    {"ExponentFormNumber", "-1e5", "(0-1e5)"},
    {"ExponentFormWithFraction", "-1.5e3*2", "(0-1.5e3)*2"},
};
INSTANTIATE_TEST_SUITE_P(Texts, RewriteSigns, testing::ValuesIn(kRewrites), RowName{});

class SignedValues : public testing::TestWithParam<ExpressionRow> {};

TEST_P(SignedValues, Evaluate)
{
    EvaluationContext rows;
    rows.rows[0] = {u"x", u"3", u"3"};
    EXPECT_EQ(evaluate(rows, GetParam().expression), GetParam().expected);
}

const ExpressionRow kSignedValues[] = {
    {"Group", "-(2+3)", yields("-5")},
    {"Pi", "-pi", yields("-3.14159265")},
    {"SineInDegrees", "-sin(30)", yields("-0.499999999481858")},
    {"SignBindsBeforePower", "-3^2", yields("9")},
    {"VariableLikeNumber", "-x^2", yields("9")},
    {"ExponentForm", "-1e5", yields("-100000")},
    {"ExponentFormWithFraction", "-1.5e3", yields("-1500")},
    {"NegatedNegativeFunctionValue", "-int(-2.5)", yields("3")},
};
INSTANTIATE_TEST_SUITE_P(Expressions, SignedValues, testing::ValuesIn(kSignedValues), RowName{});

} // namespace
} // namespace vantor::test
