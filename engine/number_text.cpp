#include "engine/number_text.h"

#include "engine/fault.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

namespace vantor {

namespace {

constexpr int kSignificantDigits = 15;

// A value as printf writes it to 15 significant digits, correctly rounded:
// "d.dddddddddddddde±x".
struct Scientific {
    std::array<char, 40> text{};
    std::size_t size = 0;

    explicit Scientific(double value)
    {
        const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                          std::chars_format::scientific, kSignificantDigits - 1);
        size = static_cast<std::size_t>(result.ptr - text.data());
    }

    // Reads the text back, as the number text written from it reads.
    double read() const
    {
        double value = 0;
        if (std::from_chars(text.data(), text.data() + size, value).ec == std::errc::result_out_of_range) {
            if (exponent() > 0)
                raise(FaultKind::Overflow);
            return 0;
        }
        return value;
    }

    int exponent() const
    {
        const char* e = text.data() + size;
        while (*(e - 1) != 'e')
            --e;
        int magnitude = 0;
        for (const char* p = e + 1; p != text.data() + size; ++p)
            magnitude = magnitude * 10 + (*p - '0');
        return *e == '-' ? -magnitude : magnitude;
    }
};

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
    const Scientific scientific(value);
    const char* p = scientific.text.data();
    const bool negative = *p == '-';
    if (negative)
        ++p;
    std::array<char, kSignificantDigits> digits{};
    int count = 0;
    for (; *p != 'e'; ++p) {
        if (*p != '.')
            digits[static_cast<std::size_t>(count++)] = *p;
    }
    while (count > 1 && digits[static_cast<std::size_t>(count - 1)] == '0')
        --count;
    const int x = scientific.exponent();

    std::array<char16_t, 32> out{};
    std::size_t n = 0;
    const auto put = [&](char c) { out[n++] = static_cast<char16_t>(c); };
    const auto putDigits = [&](int from, int to) {
        for (int i = from; i < to; ++i)
            put(digits[static_cast<std::size_t>(i)]);
    };
    if (negative)
        put('-');
    if (x >= -4 && x <= 14) {
        if (x < 0) {
            put('0');
            put('.');
            for (int i = 0; i < -x - 1; ++i)
                put('0');
            putDigits(0, count);
        } else {
            const int integerDigits = x + 1;
            putDigits(0, std::min(integerDigits, count));
            for (int i = count; i < integerDigits; ++i)
                put('0');
            if (count > integerDigits) {
                put('.');
                putDigits(integerDigits, count);
            }
        }
    } else {
        putDigits(0, 1);
        if (count > 1) {
            put('.');
            putDigits(1, count);
        }
        put('E');
        put(x < 0 ? '-' : '+');
        const int magnitude = std::abs(x);
        if (magnitude >= 100)
            put(static_cast<char>('0' + magnitude / 100));
        put(static_cast<char>('0' + magnitude / 10 % 10));
        put(static_cast<char>('0' + magnitude % 10));
    }
    return Text(out.data(), n);
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
    // The text is plain ASCII now; from_chars reads it without a leading "+".
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
        if (magnitudeOf(text) > 0)
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
    return Scientific(value).read();
}

} // namespace vantor
