#include "engine/steps.h"

#include "engine/arithmetic.h"
#include "engine/number_text.h"
#include "engine/raise.h"

#include <cmath>

namespace vantor {

namespace {

// Everything angular rests on this one value of pi.
constexpr double kPi = 3.14159265;
constexpr double kDegreesToRadians = 0.0174532925;     // 3.14159265 / 180, exactly
constexpr double kRadiansToDegrees = 57.2957795785523; // 180 / 3.14159265, to 15 digits

// 1 - x², as (x·(-1))·x + 1, each step checked.
double oneMinusSquare(double x)
{
    return arithmetic::add(arithmetic::multiply(-x, x), 1);
}

double squareRoot(double value)
{
    if (value < 0)
        raise(FaultKind::InvalidArgument);
    return std::sqrt(value);
}

// The arc tangent of x / s, where s = √(1 - x²). At x = ±1, s is 0: the
// quotient is taken as its limit, ±infinity, whose arc tangent is ±pi/2.
double atanOfQuotient(double x, double s)
{
    if (s == 0)
        return std::atan(x / s);
    return std::atan(arithmetic::divide(x, s));
}

// Radians to degrees or back, for a value in the form it has in a text: what
// evaluating the text of the value followed by "*" and the factor gives, both
// read back from their 15-digit texts, the product cut to 15 digits. Unlike
// that text, this works for values in exponent form too.
double convertAngle(double value, double factor)
{
    return roundTo15Digits(arithmetic::multiply(roundTo15Digits(value), factor));
}

} // namespace

double Factorial(double x)
{
    double product = 1;
    for (double b = 1; b <= x; b = arithmetic::add(b, 1))
        product = arithmetic::multiply(product, b);
    return product;
}

double functionValue(Function function, double x, bool degrees)
{
    const auto toRadians = [degrees](double angle) {
        return degrees ? convertAngle(angle, kDegreesToRadians) : angle;
    };
    const auto fromRadians = [degrees](double r) { return degrees ? convertAngle(r, kRadiansToDegrees) : r; };

    switch (function) {
    case Function::Pi:
        return kPi;
    case Function::Abs:
        return std::fabs(x);
    case Function::Cos:
        return std::cos(toRadians(x));
    case Function::Fac:
        return Factorial(x);
    case Function::Int:
        return std::floor(x);
    case Function::Log:
        if (x <= 0)
            raise(FaultKind::InvalidArgument);
        return std::log(x);
    case Function::Sin:
        return std::sin(toRadians(x));
    case Function::Tan:
        return arithmetic::checked(std::tan(toRadians(x)));
    case Function::Acos: {
        const double s = squareRoot(oneMinusSquare(x));
        const double quarter = std::atan(1.0);
        return fromRadians(arithmetic::add(arithmetic::add(atanOfQuotient(-x, s), quarter), quarter));
    }
    case Function::Asin:
        return fromRadians(atanOfQuotient(x, squareRoot(oneMinusSquare(x))));
    case Function::Atan:
        return fromRadians(std::atan(x));
    case Function::Round:
        return std::nearbyint(x); // halves go to the even neighbour
    }
    return x;
}

} // namespace vantor
