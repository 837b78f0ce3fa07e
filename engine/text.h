#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// Expression texts are strings of 16-bit characters, as the window's boxes hold them.
using Text = std::u16string;
using TextView = std::u16string_view;

// A text of this many characters or more cannot be evaluated: positions and
// lengths in the engine are 16-bit signed integers.
inline constexpr std::size_t kTextLimit = 32767;

// Raises the overflow fault once a text has grown to the limit.
void checkTextLength(std::size_t length);

// The one character that cleaning removes; other white space stays.
inline constexpr char16_t kBlank = u' ';

// Character classes shared by the checks, the sign rewriting and the tokeniser.
constexpr bool isDigit(char16_t c) noexcept
{
    return c >= u'0' && c <= u'9';
}
constexpr bool isNumberChar(char16_t c) noexcept
{
    return isDigit(c) || c == u'.';
}
constexpr bool isExponentLetter(char16_t c) noexcept
{
    return c == u'e' || c == u'E';
}
constexpr bool isBracket(char16_t c) noexcept
{
    return c == u'(' || c == u')';
}
constexpr bool isOperator(char16_t c) noexcept
{
    return c == u'+' || c == u'-' || c == u'*' || c == u'/' || c == u'%' || c == u'^';
}

// True when the text at position pos begins with prefix; near the end of the
// text fewer characters remain and the test fails.
constexpr bool beginsWithAt(TextView text, std::size_t pos, TextView prefix) noexcept
{
    return pos <= text.size() && text.substr(pos).starts_with(prefix);
}

// For each "(", the position after the ")" that closes it; fallback where
// none does, and for every other character. The one place brackets are paired.
std::vector<std::size_t> closingPositions(TextView text, std::size_t fallback);

// Lower-cases every letter. Non-ASCII letters follow Unicode's simple case
// mapping, independent of the user's locale settings.
void toLowerCase(Text& text);

// The text as the checks read it: without blanks, its letters lower-cased.
Text CleanExpression(Text text);

} // namespace vantor
