#include "engine/arithmetic.h"

#include "engine/raise.h"

#include <cmath>

namespace vantor::arithmetic {

double checked(double result)
{
    if (!std::isfinite(result))
        raise(FaultKind::Overflow);
    return result;
}

double add(double a, double b)
{
    return checked(a + b);
}

double subtract(double a, double b)
{
    return checked(a - b);
}

double multiply(double a, double b)
{
    return checked(a * b);
}

double divide(double a, double b)
{
    if (b == 0)
        raise(a == 0 ? FaultKind::Overflow : FaultKind::DivisionByZero);
    return checked(a / b);
}

double remainder(double a, double b)
{
    const double quotient = divide(a, b);
    return checked(a - std::floor(quotient) * b);
}

double power(double a, double b)
{
    if (a == 0 && b < 0)
        raise(FaultKind::DivisionByZero);
    if (a < 0 && std::trunc(b) != b)
        raise(FaultKind::InvalidArgument);
    return checked(std::pow(a, b));
}

} // namespace vantor::arithmetic
