#include "engine/function_table.h"
#include "engine/steps.h"

#include <vector>

namespace vantor {

namespace {

// A minus at the start, or after an operator or an opening bracket, is a sign.
constexpr bool precedesSign(char16_t c) noexcept
{
    return isOperator(c) || c == u'(';
}

// The end of the operand that a sign at start - 1 negates: a number with its
// exponent, a bracketed group, a function call with its argument, pi, or else
// the characters up to the next operator or bracket.
std::size_t operandEnd(TextView text, std::size_t start, const std::vector<std::size_t>& ends)
{
    if (start >= text.size())
        return start;
    std::size_t end = start;
    if (isNumberChar(text[start])) {
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
        return ends[start];
    if (const FunctionEntry* entry = openingAt(text, start))
        return entry->function == Function::Pi ? start + entry->opening.size()
                                               : ends[start + entry->name.size()];
    while (end < text.size() && !isOperator(text[end]) && !isBracket(text[end]))
        ++end;
    return end;
}

} // namespace

Text RewriteSigns(Text text)
{
    // Each sign and its operand become "(0-" operand ")": a subtraction from
    // zero. One pass that closes each operand where it ends gives what
    // rewriting the text sign by sign, from the left, gives: a sign inside an
    // operand is rewritten in its turn, and an operand that no bracket closes
    // runs to the end, where every such operand closes.
    // Most texts have no sign, and leave here.
    bool anySign = !text.empty() && text.front() == u'-';
    for (std::size_t i = 0; !anySign && i + 1 < text.size(); ++i)
        anySign = text[i + 1] == u'-' && precedesSign(text[i]);
    if (!anySign)
        return text;
    const std::vector<std::size_t> ends = closingPositions(text, text.size());
    Text out;
    out.reserve(text.size() + 16);
    std::vector<std::size_t> closeAt; // operand ends, innermost last
    for (std::size_t i = 0; i <= text.size(); ++i) {
        while (!closeAt.empty() && closeAt.back() == i) {
            out.push_back(u')');
            closeAt.pop_back();
        }
        if (i == text.size())
            break;
        if (text[i] == u'-' && (out.empty() || precedesSign(out.back()))) {
            out += u"(0-";
            closeAt.push_back(operandEnd(text, i + 1, ends));
        } else {
            out.push_back(text[i]);
        }
    }
    checkTextLength(out.size());
    return out;
}

} // namespace vantor
