#include "tests/engine/engine_steps.h"
#include "tests/engine/engine_test_support.h"

#include <sstream>

namespace vantor::test {
namespace {

EngineSteps::Texts words(const char* text)
{
    std::istringstream in(text);
    EngineSteps::Texts out;
    for (std::string word; in >> word;)
        out.push_back(u16(word));
    return out;
}

struct PostfixRow {
    const char* name;
    const char* tokens;
    const char* postfix;
};

void PrintTo(const PostfixRow& row, std::ostream* os)
{
    *os << row.tokens;
}

class ToPostfix : public testing::TestWithParam<PostfixRow> {};

TEST_P(ToPostfix, OrdersOperatorsAfterTheirOperands)
{
    EXPECT_EQ(u8(EngineSteps::ToPostfix(words(GetParam().tokens))), u8(words(GetParam().postfix)));
}

const PostfixRow kPostfix[] = {
    {"ProductBeforeSum", "2 + 3 * 4", "2 3 4 * +"},
    {"ProductThenSum", "2 * 3 + 4", "2 3 * 4 +"},
    {"SubtractionLeftToRight", "2 - 3 - 4", "2 3 - 4 -"},
    {"DivisionLeftToRight", "8 / 4 / 2", "8 4 / 2 /"},
    {"PowerLeftToRight", "2 ^ 3 ^ 2", "2 3 ^ 2 ^"},
    {"PowerBeforeProduct", "2 ^ 3 * 4", "2 3 ^ 4 *"},
    {"RemainderThenProduct", "7 % 3 * 2", "7 3 % 2 *"},
    {"BracketedSum", "( 1 + 2 ) * 3", "1 2 + 3 *"},
    {"PowerOfBracket", "2 * ( 3 + 4 ) ^ 2", "2 3 4 + 2 ^ *"},
    {"SubtractionFromZero", "( 0 - 5 ) * 2", "0 5 - 2 *"},
    {"SingleNumber", "7", "7"},
    {"DoubleBrackets", "( ( 2 ) )", "2"},
    {"ValueIsOneOperand", "{3.14159265} * ( 2 - {-3} )", "{3.14159265} 2 {-3} - *"},
    {"JoinedNumberKeepsItsDigitsAndPoints", "2.e3 + 1", "2.3 1 +"},
};
INSTANTIATE_TEST_SUITE_P(Tokens, ToPostfix, testing::ValuesIn(kPostfix), RowName{});

Result postfixOf(const char* tokens)
{
    return resultOf([&] {
        Text out;
        for (const Text& token : EngineSteps::ToPostfix(words(tokens)))
            out += (out.empty() ? u"" : u" ") + token;
        return out;
    });
}

Result valueOf(const char* postfix)
{
    return resultOf([&] { return numberText(EngineSteps::EvaluatePostfix(words(postfix))); });
}

// The conversion faults on a number with two points, on two operands side by
// side and on a value that is no number, each where it meets it; a value
// that overflows faults only where the evaluation reaches it.
TEST(ToPostfix, FaultsWhereItMeetsTheToken)
{
    EXPECT_EQ(postfixOf("1.2.3 + ( 2"), faults(FaultKind::TypeMismatch));
    EXPECT_EQ(postfixOf("2 {3} + 1.2.3"), faults(FaultKind::Subscript));
    EXPECT_EQ(postfixOf("( 2 ) {3}"), faults(FaultKind::Subscript));
    EXPECT_EQ(postfixOf("{type-mismatch} ( 3 )"), faults(FaultKind::TypeMismatch));
    EXPECT_EQ(postfixOf("{overflow} * 2"), yields("{overflow} 2 *"));
    EXPECT_EQ(postfixOf("{overflow} ( 3 )"), faults(FaultKind::Subscript));
    EXPECT_EQ(postfixOf("( )"), faults(FaultKind::Subscript));

    EXPECT_EQ(valueOf("1 0 / {overflow} +"), faults(FaultKind::DivisionByZero));
    EXPECT_EQ(valueOf("{overflow} 1 0 / +"), faults(FaultKind::Overflow));
    EXPECT_EQ(valueOf("2.e3 {0.5} *"), yields("1.15"));
}

class Operators : public testing::TestWithParam<ExpressionRow> {};

TEST_P(Operators, Evaluate)
{
    EXPECT_EQ(evaluateIn(kDegrees, GetParam().expression), GetParam().expected);
}

const ExpressionRow kOperators[] = {
    {"Sum", "2+3", yields("5")},
    {"ProductBeforeSum", "2 + 3 * 4", yields("14")},
    {"PowerLeftToRight", "2^3^2", yields("64")},
    {"Remainder", "7%3", yields("1")},
    {"RemainderFollowsPositiveDivisor", "(0-7)%3", yields("2")},
    {"RemainderFollowsNegativeDivisor", "7%(0-3)", yields("-2")},
    {"RemainderOfFraction", "7.5%2", yields("1.5")},
    {"SquareRoot", "2^0.5", yields("1.4142135623731")},
    {"NegativePower", "2^(0-1)", yields("0.5")},
    {"LeadingZero", "05", yields("5")},
    {"Third", "1/3", yields("0.333333333333333")},
    {"IntermediateCutToFifteenDigits", "1/3*3", yields("0.999999999999999")},
    {"HeldSumCancels", "0.1+0.2-0.3", yields("0")},
    {"LargestPowerOfTen", "10^308", yields("1E+308")},
    {"FifteenDigitsPositional", "10^14", yields("100000000000000")},
    {"ExponentFormFromTenToThe15th", "10^15", yields("1E+15")},
    {"TenThousandthPositional", "1/10000", yields("0.0001")},
    {"ExponentFormBelowTenThousandth", "1/100000", yields("1E-05")},
    {"NegativeZeroShownAsZero", "0*(0-1)", yields("0")},
    {"UnderflowIsNoFault", "10^(0-200)*10^(0-200)", yields("0")},
    {"CapitalsLowered", "SIN(90)", yields("1")},
    {"BlanksCapitalsAndSine", "2 + 3 * SIN(30)", yields("3.49999999844557")},
};
INSTANTIATE_TEST_SUITE_P(Expressions, Operators, testing::ValuesIn(kOperators), RowName{});

} // namespace
} // namespace vantor::test
