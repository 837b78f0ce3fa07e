#include "engine/number_text.h"

#include "engine/fault.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace vantor {

namespace {

constexpr int kSignificantDigits = 15;

// The 15 significant digits of a value without trailing zeros, and the power
// of ten of the first one.
struct Decimal {
    bool negative = false;
    std::array<char, kSignificantDigits> digits{};
    int count = 0;
    int exponent = 0;
};

Decimal toDecimal(double value)
{
    // "d.ddddddddddddddde±x": printf's correctly rounded scientific form.
    std::array<char, 40> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const char* p = buffer.data();
    Decimal decimal;
    if (*p == '-') {
        decimal.negative = true;
        ++p;
    }
    for (; p != result.ptr && *p != 'e'; ++p) {
        if (*p != '.')
            decimal.digits[static_cast<std::size_t>(decimal.count++)] = *p;
    }
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), result.ptr, decimal.exponent);
    while (decimal.count > 1 && decimal.digits[static_cast<std::size_t>(decimal.count - 1)] == '0')
        --decimal.count;
    return decimal;
}

void appendDigits(Text& out, const Decimal& decimal, int from, int to)
{
    for (int i = from; i < to; ++i)
        out.push_back(static_cast<char16_t>(decimal.digits[static_cast<std::size_t>(i)]));
}

// Decimal exponent of the first significant digit of a syntactically valid
// number text, saturated; only its sign matters to tell overflow from underflow.
long magnitudeOf(TextView text)
{
    long leadingZeros = 0;
    long integerDigits = 0;
    bool inFraction = false;
    bool seenSignificant = false;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    for (; i < text.size() && !isExponentLetter(text[i]); ++i) {
        if (text[i] == u'.') {
            inFraction = true;
        } else if (!seenSignificant && text[i] == u'0') {
            if (inFraction)
                ++leadingZeros;
        } else {
            seenSignificant = true;
            if (!inFraction)
                ++integerDigits;
        }
    }
    long exponent = 0;
    if (i < text.size()) {
        ++i;
        const bool negative = i < text.size() && text[i] == u'-';
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        for (; i < text.size() && exponent < 1'000'000; ++i)
            exponent = exponent * 10 + (text[i] - u'0');
        if (negative)
            exponent = -exponent;
    }
    return (integerDigits > 0 ? integerDigits : -leadingZeros) + exponent;
}

} // namespace

Text numberText(double value)
{
    if (value == 0)
        return u"0";
    const Decimal decimal = toDecimal(value);
    Text out;
    if (decimal.negative)
        out.push_back(u'-');
    const int x = decimal.exponent;
    if (x >= -4 && x <= 14) {
        if (x < 0) {
            out += u"0.";
            out.append(static_cast<std::size_t>(-x - 1), u'0');
            appendDigits(out, decimal, 0, decimal.count);
        } else {
            const int integerDigits = x + 1;
            appendDigits(out, decimal, 0, std::min(integerDigits, decimal.count));
            if (decimal.count < integerDigits)
                out.append(static_cast<std::size_t>(integerDigits - decimal.count), u'0');
            if (decimal.count > integerDigits) {
                out.push_back(u'.');
                appendDigits(out, decimal, integerDigits, decimal.count);
            }
        }
        return out;
    }
    appendDigits(out, decimal, 0, 1);
    if (decimal.count > 1) {
        out.push_back(u'.');
        appendDigits(out, decimal, 1, decimal.count);
    }
    out.push_back(u'E');
    out.push_back(x < 0 ? u'-' : u'+');
    const int magnitude = std::abs(x);
    if (magnitude < 10)
        out.push_back(u'0');
    for (const char c : std::to_string(magnitude))
        out.push_back(static_cast<char16_t>(c));
    return out;
}

bool isNumber(TextView text) noexcept
{
    std::size_t i = 0;
    const auto digitsFrom = [&] {
        const std::size_t start = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        return i - start;
    };
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    std::size_t mantissaDigits = digitsFrom();
    if (i < text.size() && text[i] == u'.') {
        ++i;
        mantissaDigits += digitsFrom();
    }
    if (mantissaDigits == 0)
        return false;
    if (i < text.size() && isExponentLetter(text[i])) {
        ++i;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        if (digitsFrom() == 0)
            return false;
    }
    return i == text.size();
}

double numberValue(TextView text)
{
    if (!isNumber(text))
        raise(FaultKind::TypeMismatch);
    // The text is plain ASCII now; from_chars reads it without a leading "+".
    std::string ascii;
    ascii.reserve(text.size());
    for (const char16_t c : text)
        ascii.push_back(static_cast<char>(c));
    const char* first = ascii.data() + (ascii.front() == '+' ? 1 : 0);
    double value = 0;
    const auto result = std::from_chars(first, ascii.data() + ascii.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitudeOf(text) > 0)
            raise(FaultKind::Overflow);
        return 0;
    }
    return value;
}

double roundTo15Digits(double value)
{
    return numberValue(numberText(value));
}

} // namespace vantor
