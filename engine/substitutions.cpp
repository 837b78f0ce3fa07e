// What the tokeniser puts in place of pi, a function call, a variable's name
// or a number's exponent: always a closed piece of digits, points, operators
// and brackets, in the form the rest of the pipeline reads.

#include "engine/fault.h"
#include "engine/number_text.h"
#include "engine/pipeline.h"
#include "engine/prepared_text.h"

namespace vantor {

namespace {

// The position after the bracket that closes the "(" at open. Without one,
// the scan would read empty characters until its 16-bit position
// overflowed; the overflow fault is raised at once.
std::size_t FindMatchingBracket(const PreparedText& prepared, std::size_t open)
{
    const std::size_t end = prepared.closingAfter(open);
    if (end == Text::npos)
        raise(FaultKind::Overflow);
    return end;
}

// A value as the tokeniser reads it into the text: its number text, a
// negative one as "(0" text ")", a number in exponent form expanded.
Text valueText(double value)
{
    Text text = numberText(value);
    if (value < 0)
        text = u"(0" + text + u")"; // a subtraction from zero: (0-0.5)
    if (const std::size_t letter = text.find(u'E'); letter != Text::npos)
        text = ExpandExponent(std::move(text), letter);
    return text;
}

} // namespace

std::size_t exponentEnd(TextView text, std::size_t letter) noexcept
{
    std::size_t end = letter + 1;
    if (end < text.size() && (text[end] == u'+' || text[end] == u'-'))
        ++end;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end;
}

Text ExpandExponent(Text text, std::size_t position)
{
    // The whole number becomes one bracketed product, so that it stays one
    // operand. A "+" after the exponent letter, as in the 1E+15 of a value,
    // is dropped; a "-" becomes a subtraction from zero.
    std::size_t start = position;
    while (start > 0 && isNumberChar(text[start - 1]))
        --start;
    const std::size_t end = exponentEnd(text, position);
    std::size_t digits = position + 1;
    const bool negative = digits < end && text[digits] == u'-';
    if (digits < end && !isDigit(text[digits]))
        ++digits; // past the sign

    Text piece = u"(";
    piece.append(text, start, position - start);
    piece += negative ? u"*10^-" : u"*10^";
    piece.append(text, digits, end - digits);
    piece += u')';
    // Only the piece can hold a new sign position ("^-"): the rest of the text
    // has been rewritten before, and rewriting it again would change nothing.
    text.replace(start, end - start, RewriteSigns(std::move(piece)));
    checkTextLength(text.size());
    return text;
}

Text Evaluation::ApplyFunctions(const PreparedText& prepared, TextView text, std::size_t position,
                                bool vDetectVariable, std::size_t& covered) const
{
    const FunctionEntry& entry = *openingAt(text, position);
    covered = entry.name.size();
    double x = 0;
    if (entry.function != Function::Pi) {
        // The argument, brackets included, is evaluated on its own, as a
        // whole expression; a message from it is no number.
        const std::size_t open = prepared.offsetOf(text) + position + entry.name.size();
        const std::size_t end = FindMatchingBracket(prepared, open);
        covered += end - open;
        const Outcome argument = nested().evaluateArgument(prepared, open, end, vDetectVariable);
        if (!argument.message.empty())
            raise(FaultKind::TypeMismatch);
        x = roundTo15Digits(argument.value); // as its number text reads back
    }
    return valueText(functionValue(entry.function, x));
}

std::optional<Text> Evaluation::SpliceValue(const Text& expression) const
{
    const Outcome outcome = nested().evaluateText(expression, false);
    // A message would otherwise be spliced into the expression as characters;
    // the outer evaluation answers it as the message of a variable in error.
    if (!outcome.message.empty())
        return std::nullopt;
    return valueText(outcome.value);
}

} // namespace vantor
