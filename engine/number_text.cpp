#include "engine/number_text.h"

#include "engine/raise.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

namespace vantor {

namespace {

constexpr int kSignificantDigits = 15;
constexpr std::uint64_t kLeastFifteenDigits = 100'000'000'000'000; // 1E+14

// A value's 15 significant digits, correctly rounded, as the integer N in
// [1E+14, 1E+15), and the decimal exponent of the first: |value| ≈ N·10^(exponent-14).
struct Digits {
    bool negative = false;
    std::uint64_t n = 0;
    int exponent = 0;
};

// Powers of ten held exactly: by a double up to 1E+22, by an x87 extended
// double (64-bit mantissa, 5^27 < 2^63) up to 1E+27.
constexpr std::array<double, 23> kExactPowers = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kExactLongPowers = 27;
constexpr bool kExtendedPrecision = std::numeric_limits<long double>::digits >= 64;

constexpr auto kLongPowers = [] {
    std::array<long double, kExactLongPowers + 1> powers{};
    long double power = 1;
    for (long double& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

long double longPower(int k)
{
    return kLongPowers[static_cast<std::size_t>(k)];
}

// The digits as printf finds them: exact, whatever the value.
Digits digitsByPrintf(double value)
{
    std::array<char, 40> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value,
                                   std::chars_format::scientific, kSignificantDigits - 1)
                         .ptr;
    Digits digits;
    const char* p = text.data();
    if (*p == '-') {
        digits.negative = true;
        ++p;
    }
    for (; *p != 'e'; ++p) {
        if (*p != '.')
            digits.n = digits.n * 10 + static_cast<std::uint64_t>(*p - '0');
    }
    std::from_chars(p + 1 + (p[1] == '+'), end, digits.exponent);
    return digits;
}

// The digits from one extended-precision product, when it decides them: the
// product errs by at most half a unit in its 64th bit, which only matters
// when it lies that close to halfway between two integers.
std::optional<Digits> digitsByProduct(double value)
{
    const double magnitude = std::fabs(value);
    if (!kExtendedPrecision || !(magnitude >= 1e-13 && magnitude < 1e41))
        return std::nullopt;
    // As frexp gives it, from the bits of a normal number: magnitude = m·2^binaryExponent, 0.5 ≤ m < 1.
    const int binaryExponent =
        static_cast<int>((std::bit_cast<std::uint64_t>(magnitude) >> 52) & 0x7FF) - 1022;
    // log10(2) is about 0.30103; the loop below puts right an estimate one off.
    int exponent = (binaryExponent - 1) * 30103 / 100000 - (binaryExponent < 1 ? 1 : 0);
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int k = kSignificantDigits - 1 - exponent;
        if (k > kExactLongPowers || k < -kExactLongPowers)
            return std::nullopt;
        const long double scaled = k >= 0 ? static_cast<long double>(magnitude) * longPower(k)
                                          : static_cast<long double>(magnitude) / longPower(-k);
        if (scaled < static_cast<long double>(kLeastFifteenDigits)) {
            --exponent;
            continue;
        }
        if (scaled >= static_cast<long double>(kLeastFifteenDigits) * 10) {
            ++exponent;
            continue;
        }
        const auto whole = static_cast<std::uint64_t>(scaled); // scaled is positive: truncation is floor
        const long double fraction = scaled - static_cast<long double>(whole);
        if (std::fabs(fraction - 0.5L) < 0x1p-10L)
            return std::nullopt;
        Digits digits{value < 0, whole + (fraction > 0.5L ? 1 : 0), exponent};
        if (digits.n == kLeastFifteenDigits * 10) {
            digits.n = kLeastFifteenDigits;
            ++digits.exponent;
        }
        return digits;
    }
    return std::nullopt;
}

Digits digitsOf(double value)
{
    if (const std::optional<Digits> digits = digitsByProduct(value))
        return *digits;
    return digitsByPrintf(value);
}

// The value that the digits stand for, as reading their text gives it.
double valueOf(const Digits& digits)
{
    const int power = digits.exponent - (kSignificantDigits - 1);
    if (power >= -22 && power <= 22) {
        // N is below 2^53 and the power of ten exact: one correctly rounded step.
        const double n = static_cast<double>(digits.n);
        const double magnitude = power >= 0 ? n * kExactPowers[static_cast<std::size_t>(power)]
                                            : n / kExactPowers[static_cast<std::size_t>(-power)];
        return digits.negative ? -magnitude : magnitude;
    }
    std::array<char, 48> text{}; // "-", 15 digits, "e", the power
    char* end = text.data();
    if (digits.negative)
        *end++ = '-';
    end = std::to_chars(end, text.data() + 24, digits.n).ptr;
    *end++ = 'e';
    end = std::to_chars(end, text.data() + text.size(), power).ptr;
    double value = 0;
    if (std::from_chars(text.data(), end, value).ec == std::errc::result_out_of_range) {
        if (digits.exponent > 0)
            raise(FaultKind::Overflow);
        return 0;
    }
    return value;
}

Text format(const Digits& digits)
{
    std::array<char, kSignificantDigits> figures{};
    std::to_chars(figures.data(), figures.data() + figures.size(), digits.n);
    int count = kSignificantDigits;
    while (count > 1 && figures[static_cast<std::size_t>(count - 1)] == '0')
        --count; // trailing zeros are not written
    std::array<char16_t, 32> out{};
    std::size_t size = 0;
    const auto put = [&](char c) { out[size++] = static_cast<char16_t>(c); };
    const auto putFigures = [&](int from, int to) {
        for (int i = from; i < to; ++i)
            put(figures[static_cast<std::size_t>(i)]);
    };
    const int exponent = digits.exponent;
    if (digits.negative)
        put('-');
    if (exponent < -4 || exponent > 14) { // 1.5E-05, 1E+15, 1.23E+100
        putFigures(0, 1);
        if (count > 1)
            put('.');
        putFigures(1, count);
        put('E');
        put(exponent < 0 ? '-' : '+');
        if (std::abs(exponent) >= 100)
            put(static_cast<char>('0' + std::abs(exponent) / 100));
        put(static_cast<char>('0' + std::abs(exponent) / 10 % 10));
        put(static_cast<char>('0' + std::abs(exponent) % 10));
    } else if (exponent < 0) { // 0.000123
        put('0');
        put('.');
        for (int i = exponent + 1; i < 0; ++i)
            put('0');
        putFigures(0, count);
    } else { // 12300, 123.45
        putFigures(0, std::min(count, exponent + 1));
        for (int i = count; i < exponent + 1; ++i)
            put('0');
        if (count > exponent + 1)
            put('.');
        putFigures(exponent + 1, count);
    }
    return Text(out.data(), size);
}

// Whether a number text that no double holds is too large rather than too
// small: the decimal exponent of its first significant digit is positive.
bool beyondLargest(TextView text)
{
    const TextView mantissa = text.substr(0, text.find_first_of(u"eE"));
    const std::size_t first = mantissa.find_first_of(u"123456789");
    const std::size_t point = std::min(mantissa.find(u'.'), mantissa.size());
    long exponent = 0;
    for (const char16_t c : text.substr(std::min(mantissa.size() + 1, text.size()))) {
        if (isDigit(c))
            exponent = std::min(exponent * 10 + (c - u'0'), 1'000'000L); // saturated
    }
    if (text.find(u'-', 1) != Text::npos)
        exponent = -exponent;
    const long firstDigit = static_cast<long>(point) - static_cast<long>(first) - (first < point ? 1 : 0);
    return first != Text::npos && firstDigit + exponent > 0;
}

// Integers below 1E+15 are written with all their digits and read back exactly.
bool isExactInteger(double value)
{
    return std::fabs(value) < 1e15 && std::trunc(value) == value;
}

} // namespace

Text numberText(double value)
{
    if (value == 0)
        return u"0";
    return format(digitsOf(value));
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
    return readNumber(text);
}

double readNumber(TextView text)
{
    // At most 15 digits and no exponent, as most numbers typed are: the
    // digits as an integer, divided by the power of ten the fraction's
    // length gives; exact operands, so one correctly rounded division.
    std::uint64_t digits = 0;
    int count = 0;     // of the digits
    int fraction = -1; // digits after the point; -1 before it
    for (std::size_t i = text[0] == u'-' || text[0] == u'+' ? 1 : 0; i < text.size() && count <= 15; ++i) {
        if (text[i] == u'.') {
            fraction = 0;
        } else if (isDigit(text[i])) {
            digits = digits * 10 + static_cast<std::uint64_t>(text[i] - u'0');
            ++count;
            fraction += fraction >= 0 ? 1 : 0;
        } else {
            count = kSignificantDigits + 1; // an exponent: read below
        }
    }
    if (count <= kSignificantDigits) {
        const double magnitude =
            static_cast<double>(digits) / kExactPowers[static_cast<std::size_t>(std::max(fraction, 0))];
        return text[0] == u'-' ? -magnitude : magnitude;
    }
    // The text is plain ASCII; from_chars reads it without a leading "+".
    std::array<char, 64> buffer{};
    std::string longText;
    char* ascii = buffer.data();
    if (text.size() > buffer.size()) {
        longText.resize(text.size());
        ascii = longText.data();
    }
    for (std::size_t i = 0; i < text.size(); ++i)
        ascii[i] = static_cast<char>(text[i]);
    const char* first = ascii + (ascii[0] == '+' ? 1 : 0);
    double value = 0;
    const auto result = std::from_chars(first, ascii + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (beyondLargest(text))
            raise(FaultKind::Overflow);
        return 0;
    }
    return value;
}

double roundTo15Digits(double value)
{
    // The same as numberValue(numberText(value)), without the texts.
    if (value == 0)
        return 0; // negative zero is written "0"
    if (isExactInteger(value))
        return value;
    return valueOf(digitsOf(value));
}

NumberParts numberParts(double value)
{
    if (value == 0)
        return {};
    Digits digits = digitsOf(value);
    int figures = kSignificantDigits;
    for (std::uint64_t n = digits.n; figures > 1 && n % 10 == 0; n /= 10)
        --figures; // trailing zeros are not written
    NumberParts parts;
    parts.negative = digits.negative;
    digits.negative = false;
    parts.exponentForm = digits.exponent < -4 || digits.exponent > 14;
    int length = 0;
    if (parts.exponentForm) {
        // 1.5E-05: the figures, a point when more than one, "E", a sign and two or three digits
        length = figures + (figures > 1 ? 1 : 0) + 2 + (std::abs(digits.exponent) >= 100 ? 3 : 2);
        parts.figures = static_cast<double>(digits.n) / static_cast<double>(kLeastFifteenDigits);
        parts.exponent = digits.exponent;
    } else {
        const int integerDigits = digits.exponent + 1;
        if (integerDigits <= 0) // 0.000123: "0.", the zeros after the point, the figures
            length = 2 - integerDigits + figures;
        else // 12300, 123.45: the integer digits, then a point and the rest when figures remain
            length = std::max(figures, integerDigits) + (figures > integerDigits ? 1 : 0);
        parts.figures = isExactInteger(value) ? std::fabs(value) : valueOf(digits);
    }
    parts.length = static_cast<std::size_t>(length + (parts.negative ? 1 : 0));
    return parts;
}

} // namespace vantor
