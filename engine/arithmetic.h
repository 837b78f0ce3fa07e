#pragma once

namespace vantor::arithmetic {

// Each step is tested as it happens: an invalid operation or a result beyond
// the range of a double raises the overflow fault, a division of a non-zero
// number by zero the division-by-zero fault. Underflow is no fault.

double checked(double result);
double add(double a, double b);
double subtract(double a, double b);
double multiply(double a, double b);
double divide(double a, double b);

// The floored remainder a - floor(a / b) * b: its sign follows the divisor's,
// and it works for non-whole operands too.
double remainder(double a, double b);

// a raised to the power b. A negative base with an exponent that is not whole
// raises the invalid-argument fault, zero to a negative power the
// division-by-zero fault.
double power(double a, double b);

} // namespace vantor::arithmetic
