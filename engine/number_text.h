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

// numberValue for a text already known to be a number.
double readNumber(TextView number);

// The value as it survives being written and read back: numberValue(numberText(value)).
double roundTo15Digits(double value);

} // namespace vantor
