#include "engine/engine_stack.h"
#include "engine/evaluate.h"

#include "tests/engine/engine_test_support.h"

#include <functional>

#include <pthread.h>

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

// Runs work on a new thread with a stack of the given size, as a program's
// main thread may have.
void onThreadWithStack(std::size_t bytes, const std::function<void()>& work)
{
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, bytes);
    pthread_t thread;
    const auto run = [](void* function) -> void* {
        (*static_cast<const std::function<void()>*>(function))();
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&thread, &attributes, run, const_cast<std::function<void()>*>(&work)), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
}

// The deepest nesting allowed evaluates, whatever stack the calling thread
// has, and one level more runs out of stack space; a fault deep inside comes
// back as the result's. The deepest nesting that fits in the longest text
// never brings the process down.
TEST(EngineStack, HoldsTheDeepestNestingAllowed)
{
    const auto deepest = static_cast<std::size_t>(cEvaluate::kMaxNesting);
    const std::pair<std::string, Result> kCases[] = {
        {nested("abs(", deepest, "-1"), yields("1")},
        {nested("abs(", deepest + 1, "-1"), faults(FaultKind::OutOfStackSpace)},
        {nested("abs(", deepest, "1/0"), faults(FaultKind::DivisionByZero)},
        {nested("abs(", (kLongestText - 1) / 5, "1"), faults(FaultKind::OutOfStackSpace)},
        {nested("(", (kLongestText - 1) / 2, "1"), yields("1")},
    };
    const auto evaluateAll = [&] {
        for (const auto& [text, expected] : kCases)
            EXPECT_EQ(evaluateIn(kDegrees, text), expected) << text.substr(0, 12);
    };
    evaluateAll();
    onThreadWithStack(2 * kStackMargin, evaluateAll);
}

// A variable used again is not computed again, unless it is used deeper
// than before: there its expression may need more nesting than is left.
TEST(EngineStack, AVariableUsedDeeperIsComputedThereAgain)
{
    EvaluationContext rows;
    rows.rows[0] = {u"x", u"abs(0-2)", u"2"};
    const auto deepest = static_cast<std::size_t>(cEvaluate::kMaxNesting);
    // x and the call in its expression take a level each: inside deepest - 2
    // calls they still fit, inside one more they do not.
    EXPECT_EQ(evaluate(rows, "x+" + nested("abs(", deepest - 2, "x")), yields("4"));
    EXPECT_EQ(evaluate(rows, nested("abs(", deepest - 2, "x") + "+x"), yields("4"));
    EXPECT_EQ(evaluate(rows, "x+" + nested("abs(", deepest - 1, "x")), faults(FaultKind::OutOfStackSpace));
    EXPECT_EQ(evaluate(rows, nested("abs(", deepest - 1, "x") + "+x"), faults(FaultKind::OutOfStackSpace));
}

} // namespace
} // namespace vantor::test
