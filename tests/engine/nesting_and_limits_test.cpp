#include "engine/engine_stack.h"

#include "tests/engine/engine_test_support.h"

namespace vantor::test {
namespace {

constexpr std::size_t kLongestText = 32766;

std::string repeated(std::string_view piece, std::size_t times)
{
    std::string out;
    for (std::size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

// The text is measured after its blanks are removed.
TEST(TextLimit, LongestTextEvaluatesAndOneMoreCharacterOverflows)
{
    const std::string ones = "1" + repeated("+1", 16382); // a sum of 16383 ones, padded with zeros below
    EXPECT_EQ(evaluateIn(kDegrees, std::string(kLongestText - ones.size(), '0') + ones), yields("16383"));
    EXPECT_EQ(evaluateIn(kDegrees, std::string(kLongestText + 1 - ones.size(), '0') + ones),
              faults(FaultKind::Overflow));
    EXPECT_EQ(evaluateIn(kDegrees, ones + std::string(40000, ' ')), yields("16383"));
}

struct GrowthRow {
    const char* name;
    const char* head; // grows by the given number of characters on its way
    std::size_t growth;
    const char* value;
};

void PrintTo(const GrowthRow& row, std::ostream* os)
{
    *os << row.head;
}

class TextGrowth : public testing::TestWithParam<GrowthRow> {};

// The head, then "+" and zeros, such that the text grows to exactly the given length.
std::string growingText(const GrowthRow& row, std::size_t grownLength)
{
    const std::string head = row.head;
    return head + "+" + std::string(grownLength - row.growth - head.size() - 1, '0');
}

TEST_P(TextGrowth, TextThatGrowsToTheLimitOverflows)
{
    EvaluationContext rows;
    rows.rows[0] = {u"x", u"123456789", u"123456789"};
    rows.rows[1] = {u"y", u"0-123456789", u"-123456789"};
    rows.rows[2] = {u"z", u"1/100000", u"1E-05"};
    EXPECT_EQ(evaluate(rows, growingText(GetParam(), kLongestText)), yields(GetParam().value));
    EXPECT_EQ(evaluate(rows, growingText(GetParam(), kLongestText + 1)), faults(FaultKind::Overflow));
}

const GrowthRow kGrowth[] = {
    {"Pi", "pi", 8, "3.14159265"},
    {"ExponentExpansion", "1e1", 5, "10"},
    {"SignRewriting", "-1", 3, "-1"},
    {"NegatedPi", "-pi", 11, "-3.14159265"},
    {"VariableValue", "x", 8, "123456789"},
    // (0-123456789), (1*10^(0-05)) and (2.43290200817664*10^18) in place of the name or the call
    {"NegativeValue", "y", 12, "-123456789"},
    {"ValueInExponentForm", "z", 12, "1E-05"},
    {"FunctionValueInExponentForm", "fac(20)", 17, "2.43290200817664E+18"},
};
INSTANTIATE_TEST_SUITE_P(Substitutions, TextGrowth, testing::ValuesIn(kGrowth), RowName{});

std::string nested(std::string_view opening, std::size_t depth, std::string_view inner)
{
    return repeated(opening, depth) + std::string(inner) + std::string(depth, ')');
}

TEST(Nesting, FiveHundredLevelsEvaluate)
{
    EXPECT_EQ(evaluateIn(kDegrees, nested("abs(", 500, "-1")), yields("1"));
    EXPECT_EQ(evaluateIn(kDegrees, nested("round(", 500, "2.5")), yields("2"));
    EXPECT_EQ(evaluateIn(kDegrees, nested("sin(", 500, "0")), yields("0"));
    EXPECT_EQ(evaluateIn(kDegrees, nested("(", 500, "2") + "*3"), yields("6"));
    EXPECT_EQ(evaluateIn(kDegrees, nested("-(", 500, "1")), yields("1"));
}

// The deepest nesting that fits in the longest text evaluates or runs out of
// stack space; it never brings the process down.
TEST(Nesting, DeepestNestingThatFitsEvaluatesOrRunsOutOfStackSpace)
{
    for (const std::string& text :
         {nested("abs(", (kLongestText - 1) / 5, "1"), nested("(", (kLongestText - 1) / 2, "1")}) {
        ASSERT_LE(text.size(), kLongestText);
        const Outcome outcome = evaluateIn(kDegrees, text);
        EXPECT_TRUE(outcome == yields("1") || outcome == faults(FaultKind::OutOfStackSpace))
            << testing::PrintToString(outcome);
    }
}

// On the engine's stack the deepest nesting allowed evaluates, whatever stack
// the calling thread has, and one level more runs out of stack space.
TEST(EngineStack, HoldsTheDeepestNestingAllowed)
{
    const auto deepest = static_cast<std::size_t>(cEvaluate::kMaxNesting);
    Outcome allowed;
    Outcome beyond;
    Outcome brackets;
    runOnEngineStack([&] {
        allowed = evaluateIn(kDegrees, nested("abs(", deepest, "-1"));
        beyond = evaluateIn(kDegrees, nested("abs(", deepest + 1, "-1"));
        brackets = evaluateIn(kDegrees, nested("(", (kLongestText - 1) / 2, "1"));
    });
    EXPECT_EQ(allowed, yields("1"));
    EXPECT_EQ(beyond, faults(FaultKind::OutOfStackSpace));
    EXPECT_EQ(brackets, yields("1"));
}

// A variable used again is not computed again, unless it is used deeper
// than before: there its expression may need more nesting than is left.
TEST(EngineStack, AVariableUsedDeeperIsComputedThereAgain)
{
    EvaluationContext rows;
    rows.rows[0] = {u"x", u"abs(0-2)", u"2"};
    const auto deepest = static_cast<std::size_t>(cEvaluate::kMaxNesting);
    const auto evaluate = [&](const std::string& text) {
        Outcome outcome;
        runOnEngineStack([&] { outcome = test::evaluate(rows, text); });
        return outcome;
    };
    // x and the call in its expression take a level each: inside deepest - 2
    // calls they still fit, inside one more they do not.
    EXPECT_EQ(evaluate("x+" + nested("abs(", deepest - 2, "x")), yields("4"));
    EXPECT_EQ(evaluate(nested("abs(", deepest - 2, "x") + "+x"), yields("4"));
    EXPECT_EQ(evaluate("x+" + nested("abs(", deepest - 1, "x")), faults(FaultKind::OutOfStackSpace));
    EXPECT_EQ(evaluate(nested("abs(", deepest - 1, "x") + "+x"), faults(FaultKind::OutOfStackSpace));
}

TEST(EngineStack, AFaultInTheWorkIsRaisedAgainInTheCaller)
{
    EvaluationContext rows;
    EXPECT_EQ(outcomeOf([&] {
                  Text result;
                  runOnEngineStack([&] { result = cEvaluate(rows).Evaluate(u"1/0", true); });
                  return u8(result);
              }),
              faults(FaultKind::DivisionByZero));
}

} // namespace
} // namespace vantor::test
