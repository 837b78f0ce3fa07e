#include "engine/evaluate.h"

#include "engine/function_table.h"

namespace vantor {

namespace {

// A minus at the start, or after an operator or an opening bracket, is a sign.
constexpr bool precedesSign(char16_t c) noexcept
{
    return isOperator(c) || c == u'(';
}

// The end of the bracketed group that opens at start: after its matching
// bracket, or the end of the text if none closes it.
std::size_t groupEnd(TextView text, std::size_t start)
{
    int depth = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        depth += (text[i] == u'(') - (text[i] == u')');
        if (depth == 0)
            return i + 1;
    }
    return text.size();
}

// The end of the operand that a sign at start - 1 negates.
std::size_t operandEnd(TextView text, std::size_t start)
{
    if (start >= text.size())
        return start;
    std::size_t end = start;
    if (isNumberChar(text[start])) {
        // A plain number, its exponent included: -1e5 negates 1e5.
        while (end < text.size() && isNumberChar(text[end]))
            ++end;
        if (end + 1 < text.size() && isExponentLetter(text[end]) && isDigit(text[end + 1])) {
            end += 2;
            while (end < text.size() && isDigit(text[end]))
                ++end;
        }
        return end;
    }
    if (text[start] == u'(')
        return groupEnd(text, start);
    for (const FunctionEntry& entry : kFunctions) {
        if (beginsWithAt(text, start, entry.opening)) {
            return entry.function == Function::Pi ? start + entry.opening.size()
                                                  : groupEnd(text, start + entry.name.size());
        }
    }
    while (end < text.size() && !isOperator(text[end]) && !isBracket(text[end]))
        ++end;
    return end;
}

// Replaces the sign at signAt and its operand by "(0-" operand ")".
void negateOperand(Text& text, std::size_t signAt)
{
    const std::size_t start = signAt + 1;
    const std::size_t end = operandEnd(text, start);
    checkTextLength(text.size() + 3);
    text.insert(end, 1, u')');
    text.replace(signAt, 1, u"(0-");
}

} // namespace

Text cEvaluate::RewriteSigns(Text text)
{
    if (!text.empty() && text.front() == u'-')
        negateOperand(text, 0);
    // After a rewrite the scan goes on inside the inserted "(0-", whose minus
    // follows a digit; a second pass over the result changes nothing.
    for (std::size_t s = 0; s + 1 < text.size(); ++s) {
        if (precedesSign(text[s]) && text[s + 1] == u'-')
            negateOperand(text, s + 1);
    }
    return text;
}

} // namespace vantor
