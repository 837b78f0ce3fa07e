#include "engine/evaluate.h"

#include "engine/arithmetic.h"
#include "engine/fault.h"
#include "engine/function_table.h"
#include "engine/number_text.h"

#include <cmath>

namespace vantor {

namespace {

// Everything angular rests on this one value of pi.
constexpr double kPi = 3.14159265;
constexpr double kDegreesToRadians = 0.0174532925;     // 3.14159265 / 180, exactly
constexpr double kRadiansToDegrees = 57.2957795785523; // 180 / 3.14159265, to 15 digits

const FunctionEntry& functionAt(TextView text, std::size_t position)
{
    for (const FunctionEntry& entry : kFunctions) {
        if (beginsWithAt(text, position, entry.opening))
            return entry;
    }
    return kFunctions.front(); // unreachable: the scan calls only at an opening
}

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

} // namespace

double cEvaluate::convertAngle(double value, double factor)
{
    // What evaluating the text of the value followed by "*" and the factor
    // gives: both read back from their 15-digit texts, the product cut to 15
    // digits. Unlike that text, this works for values in exponent form too.
    return roundTo15Digits(arithmetic::multiply(roundTo15Digits(value), factor));
}

double cEvaluate::Factorial(double x)
{
    double product = 1;
    for (double b = 1; b <= x; b = arithmetic::add(b, 1))
        product = arithmetic::multiply(product, b);
    return product;
}

Text cEvaluate::FindMatchingBracket(TextView text, std::size_t position, std::size_t nameLength,
                                    std::size_t& argumentLength)
{
    // From the "(" after the name to the bracket that closes it. Without one,
    // the scan would read empty characters until its 16-bit position
    // overflowed; the overflow fault is raised at once instead.
    const std::size_t start = position + nameLength;
    int depth = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        depth += (text[i] == u'(') - (text[i] == u')');
        if (depth == 0) {
            argumentLength = i + 1 - start;
            return Text(text.substr(start, argumentLength));
        }
    }
    raise(FaultKind::Overflow);
}

std::size_t cEvaluate::ApplyFunctions(Text& text, std::size_t position, bool vDetectVariable) const
{
    const FunctionEntry& entry = functionAt(text, position);
    double value = kPi;
    std::size_t covered = entry.name.size();

    if (entry.function != Function::Pi) {
        std::size_t argumentLength = 0;
        Text argument = FindMatchingBracket(text, position, entry.name.size(), argumentLength);
        covered += argumentLength;
        const double x = numberValue(nested().Evaluate(std::move(argument), vDetectVariable));

        const auto toRadians = [this](double angle) {
            return m_context.degrees() ? convertAngle(angle, kDegreesToRadians) : angle;
        };
        const auto fromRadians = [this](double r) {
            return m_context.degrees() ? convertAngle(r, kRadiansToDegrees) : r;
        };

        switch (entry.function) {
        case Function::Abs:
            value = std::fabs(x);
            break;
        case Function::Cos:
            value = std::cos(toRadians(x));
            break;
        case Function::Fac:
            value = Factorial(x);
            break;
        case Function::Int:
            value = std::floor(x);
            break;
        case Function::Log:
            if (x <= 0)
                raise(FaultKind::InvalidArgument);
            value = std::log(x);
            break;
        case Function::Sin:
            value = std::sin(toRadians(x));
            break;
        case Function::Tan:
            value = arithmetic::checked(std::tan(toRadians(x)));
            break;
        case Function::Acos: {
            const double s = squareRoot(oneMinusSquare(x));
            const double quarter = std::atan(1.0);
            value = fromRadians(arithmetic::add(arithmetic::add(atanOfQuotient(-x, s), quarter), quarter));
            break;
        }
        case Function::Asin:
            value = fromRadians(atanOfQuotient(x, squareRoot(oneMinusSquare(x))));
            break;
        case Function::Atan:
            value = fromRadians(std::atan(x));
            break;
        case Function::Round:
            value = std::nearbyint(x); // halves go to the even neighbour
            break;
        case Function::Pi:
            break;
        }
    }

    // A negative value goes in as a subtraction from zero, (0-0.5), which
    // needs no further sign rewriting.
    Text valueText = numberText(value);
    if (value < 0)
        valueText = u"(0" + valueText + u")";
    checkTextLength(text.size() - covered + valueText.size());
    text.replace(position, covered, valueText);
    return valueText.size();
}

} // namespace vantor
