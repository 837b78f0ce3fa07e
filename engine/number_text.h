#pragma once

#include "engine/text.h"

namespace vantor {

// The one way the engine writes a number: rounded to 15 significant digits,
// positional from 1E-04 up to below 1E+15 ("0.0001", "100000000000000"),
// otherwise in exponent form with "E", a sign and at least two exponent
// digits ("1E+15", "1.5E-05"); zero, negative zero included, is "0".
Text numberText(double value);

// True when the text is a decimal number: an optional sign, digits with an
// optional decimal point and fraction (".5" and "5." included, "." alone not),
// and an optional exponent of "E" or "e", an optional sign and digits.
bool isNumber(TextView text) noexcept;

// The value of a number text. A text that is not a number raises the
// type-mismatch fault; one beyond the range of a double, the overflow fault.
// A value too small for a double becomes zero, as an underflow does anywhere.
double numberValue(TextView text);
// numberValue for a text known to be a number.
double readNumber(TextView text);

// The value as it survives being written and read back: numberValue(numberText(value)).
double roundTo15Digits(double value);

// What the number text of a value holds, for the rules that read one, without
// writing it: its length and, in exponent form, the figures before the "E"
// and the power of ten after it.
struct NumberParts {
    std::size_t length = 1;
    bool negative = false;
    bool exponentForm = false;
    // Unsigned: what the text after its sign reads as when positional; in
    // exponent form, what the figures before the "E" read as.
    double figures = 0;
    int exponent = 0; // exponent form only
};
NumberParts numberParts(double value);

} // namespace vantor
