#include "tests/engine/engine_test_support.h"

namespace vantor::test {
namespace {

struct FunctionRow {
    const char* name;
    bool degrees;
    const char* expression;
    Result expected;
};

void PrintTo(const FunctionRow& row, std::ostream* os)
{
    *os << row.expression << (row.degrees ? " in degrees" : " in radians");
}

class Functions : public testing::TestWithParam<FunctionRow> {};

TEST_P(Functions, Evaluate)
{
    EXPECT_EQ(evaluateIn(GetParam().degrees, GetParam().expression), GetParam().expected);
}

const FunctionRow kFunctions[] = {
    {"PiTimesTwo", kDegrees, "2*pi", yields("6.2831853")},
    {"AbsOfBracketedArgument", kDegrees, "abs(2*(3-5))+1", yields("5")},
    {"IntRoundsDown", kDegrees, "int(2.7)", yields("2")},
    {"IntOfNegativeRoundsDown", kDegrees, "int(-2.5)", yields("-3")},
    {"NegativeValueSplicedAsSubtraction", kDegrees, "2*int(-2.5)", yields("-6")},
    {"RoundHalfToEvenDown", kDegrees, "round(2.5)", yields("2")},
    {"RoundHalfToEvenUp", kDegrees, "round(3.5)", yields("4")},
    {"RoundNegativeHalfToEven", kDegrees, "round(-2.5)", yields("-2")},
    {"RoundAboveHalf", kDegrees, "round(2.6)", yields("3")},
    {"Factorial", kDegrees, "fac(5)", yields("120")},
    {"FactorialIgnoresFraction", kDegrees, "fac(3.7)", yields("6")},
    {"FactorialOfZero", kDegrees, "fac(0)", yields("1")},
    {"FactorialBelowOne", kDegrees, "fac(-4)", yields("1")},
    {"LargestFactorial", kDegrees, "fac(170)", yields("7.25741561530799E+306")},
    {"NaturalLog", kDegrees, "log(10)", yields("2.30258509299405")},
    {"LogOfOne", kDegrees, "log(1)", yields("0")},
    {"SineDegrees", kDegrees, "sin(30)", yields("0.499999999481858")},
    {"CosineDegrees", kDegrees, "cos(60)", yields("0.500000001036284")},
    {"TangentDegrees", kDegrees, "tan(45)", yields("0.999999998205103")},
    {"RightAngleSine", kDegrees, "sin(90)", yields("1")},
    {"TangentNearRightAngleIsFinite", kDegrees, "tan(90)", yields("557135183.943528")},
    {"ArcTangentDegrees", kDegrees, "atan(1)", yields("45.00000005142")},
    {"ArcSineDegrees", kDegrees, "asin(0.5)", yields("30.00000003428")},
    {"ArcCosineDegrees", kDegrees, "acos(0.5)", yields("60.0000000685601")},
    {"ArcSineLimitDegrees", kDegrees, "asin(1)", yields("90.0000001028402")},
    {"SmallArgumentInDegrees", kDegrees, "sin(0.00001)", yields("1.74532924999999E-07")},
    {"LargeAngleInDegrees", kDegrees, "sin(1e20)", yields("0.27292732143677")},
    {"SmallArcTangentInDegrees", kDegrees, "atan(0.00001)", yields("0.000572957795766425")},
    {"SineRadians", kRadians, "sin(30)", yields("-0.988031624092862")},
    {"ArcTangentRadians", kRadians, "atan(1)", yields("0.785398163397448")},
    {"NestedCall", kRadians, "sin(cos(0))", yields("0.841470984807897")},
    {"ArcSineLimit", kRadians, "asin(1)", yields("1.5707963267949")},
    {"ArcSineLimitAtMinusOne", kRadians, "asin(-1)", yields("-1.5707963267949")},
    {"ArcCosineLimitAtOne", kRadians, "acos(1)", yields("0")},
    {"ArcCosineLimitAtMinusOne", kRadians, "acos(-1)", yields("3.14159265358979")},
};
INSTANTIATE_TEST_SUITE_P(Calls, Functions, testing::ValuesIn(kFunctions), RowName{});

} // namespace
} // namespace vantor::test
