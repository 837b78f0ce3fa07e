#include "engine/number_text.h"

#include "tests/engine/engine_test_support.h"

namespace vantor::test {
namespace {

struct WrittenNumber {
    const char* name;
    double value;
    const char* text;
};

void PrintTo(const WrittenNumber& row, std::ostream* os)
{
    *os << row.text;
}

class NumberText : public testing::TestWithParam<WrittenNumber> {};

// Fifteen significant digits, positional from 1E-04 up to below 1E+15; the text reads back as written.
TEST_P(NumberText, WritesFifteenDigitsAndReadsBack)
{
    EXPECT_EQ(u8(numberText(GetParam().value)), GetParam().text);
    EXPECT_EQ(u8(numberText(numberValue(u16(GetParam().text)))), GetParam().text);
}

const WrittenNumber kWrittenNumbers[] = {
    {"OneThird", 1.0 / 3, "0.333333333333333"},
    {"TwoThirdsRoundsUp", 2.0 / 3, "0.666666666666667"},
    {"Half", 0.5, "0.5"},
    {"NegativeHalf", -0.5, "-0.5"},
    {"NegativeZero", -0.0, "0"},
    {"TenToThe14thPositional", 1e14, "100000000000000"},
    {"TenToThe15thExponentForm", 1e15, "1E+15"},
    {"RoundingCarriesIntoExponentForm", 999999999999999.5, "1E+15"},
    {"LongIntegerRounded", 123456789012345678.0, "1.23456789012346E+17"},
    {"TenThousandthPositional", 0.0001, "0.0001"},
    {"RoundingCarriesIntoPositionalForm", 9.999999999999999e-5, "0.0001"},
    {"HundredThousandth", 0.00001, "1E-05"},
    {"SmallWithFraction", -0.000015, "-1.5E-05"},
    {"TenToThe100th", 1e100, "1E+100"},
};
INSTANTIATE_TEST_SUITE_P(Numbers, NumberText, testing::ValuesIn(kWrittenNumbers), RowName{});

TEST(NumberValue, ReadsPlainDecimalNumbers)
{
    const std::pair<const char*, double> kNumbers[] = {
        {"05", 5}, {"-5", -5},   {"+5", 5},       {".5", 0.5},
        {"5.", 5}, {"1e5", 1e5}, {"1E+15", 1e15}, {"1.5E-05", 1.5e-5},
    };
    for (const auto& [text, value] : kNumbers)
        EXPECT_EQ(numberValue(u16(text)), value) << text;
}

// Nothing but a plain decimal number reads as one.
TEST(NumberValue, AnythingElseIsATypeMismatch)
{
    const char* const kNotNumbers[] = {"",    ".",    "1.2.3", "inf", "nan", " 5",    "5 ",
                                       "1,5", "0x10", "e5",    "1e",  "--5", "Error."};
    for (const char* text : kNotNumbers) {
        EXPECT_FALSE(isNumber(u16(text))) << '"' << text << '"';
        EXPECT_EQ(resultOf([&] { return numberText(numberValue(u16(text))); }),
                  faults(FaultKind::TypeMismatch))
            << '"' << text << '"';
    }
}

TEST(NumberValue, BeyondDoubleRangeOverflowsWhileTooSmallIsZero)
{
    EXPECT_EQ(resultOf([] { return numberText(numberValue(u"-1e400")); }), faults(FaultKind::Overflow));
    EXPECT_EQ(numberValue(u"1e-400"), 0.0);
}

} // namespace
} // namespace vantor::test
