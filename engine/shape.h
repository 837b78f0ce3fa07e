#pragma once

#include "engine/function_table.h"
#include "engine/text.h"
#include "engine/variable_table.h"

#include <vector>

namespace vantor::shape {

// The local faults the checks look for, each at a position of the text.

// Two operators side by side, at i and i + 1.
inline bool operatorPairAt(TextView text, std::size_t i) noexcept
{
    return i + 1 < text.size() && isOperator(text[i]) && isOperator(text[i + 1]);
}

// "()" or ")(" at i and i + 1.
inline bool bracketPairAt(TextView text, std::size_t i) noexcept
{
    return i + 1 < text.size() &&
           ((text[i] == u'(' && text[i + 1] == u')') || (text[i] == u')' && text[i + 1] == u'('));
}

// The function whose name the text at i begins with, "pi" included; null when none.
const FunctionEntry* functionNameAt(TextView text, std::size_t i) noexcept;

// A function name at i without its "(".
bool bareFunctionNameAt(TextView text, std::size_t i) noexcept;

// Whether a function name can begin with the character: a, c, f, i, l, r, s or t.
constexpr bool beginsFunctionName(char16_t c) noexcept
{
    return c == u'a' || c == u'c' || c == u'f' || c == u'i' || c == u'l' || c == u'r' || c == u's' ||
           c == u't';
}

// An exponent letter at i, neither first nor last, without a digit on both sides.
inline bool looseExponentAt(TextView text, std::size_t i) noexcept
{
    return i > 0 && i + 1 < text.size() && isExponentLetter(text[i]) &&
           (!isDigit(text[i - 1]) || !isDigit(text[i + 1]));
}

// For each "(", the position after the ")" that closes it; given as fallback
// where none does, and for every other character.
std::vector<std::size_t> closingPositions(TextView text, std::size_t fallback);

// "pi" or the function opening that the text at i begins with; null when none.
const FunctionEntry* openingAt(TextView text, std::size_t i) noexcept;

// Whether a character starts an identifier: it is no digit, point, exponent
// letter, operator or bracket.
constexpr bool startsIdentifier(char16_t c) noexcept
{
    return !isNumberChar(c) && !isExponentLetter(c) && !isOperator(c) && !isBracket(c);
}

// An identifier that starts at i: "pi", a function opening or, where the rows
// are known, a variable's name. Its length, or the message when it is none.
struct Identifier {
    std::size_t length = 0;
    std::u16string_view fault;
};
Identifier identifierAt(TextView text, std::size_t i, const VariableTable* rows);

} // namespace vantor::shape
