#include "engine/evaluate.h"

#include "engine/messages.h"
#include "engine/shape.h"

namespace vantor {

namespace {

std::u16string_view shapeFault(TextView text)
{
    // One pass notes every kind of fault; the first check in order that has
    // one decides, wherever in the text its fault lies.
    int count = 0; // only the final bracket count matters; it may go below zero on the way
    bool operators = isOperator(text.front()) && text.front() != u'-'; // a leading minus is a sign
    bool brackets = text.front() == u')';
    bool bareName = false;
    bool exponent = isExponentLetter(text.front()) || isExponentLetter(text.back());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (isDigit(c) || c == u'.')
            continue; // no fault starts at a number character
        count += (c == u'(') - (c == u')');
        operators = operators || shape::operatorPairAt(text, i);
        brackets = brackets || shape::bracketPairAt(text, i);
        bareName = bareName || (shape::beginsFunctionName(c) && shape::bareFunctionNameAt(text, i));
        // An exponent letter stands between two digits; a sign or a point beside it is refused.
        exponent = exponent || shape::looseExponentAt(text, i);
    }
    if (count != 0)
        return messages::kWrongParenthisation;
    if (operators)
        return messages::kWrongArrangementOfOperands;
    if (brackets)
        return messages::kWrongArrangementOfParenthesis;
    if (bareName)
        return messages::kFunctionWithNoParanthesis;
    if (exponent)
        return messages::kWrongExponentialNumber;
    return {};
}

} // namespace

std::u16string_view cEvaluate::checkFault(TextView text, bool vDetectVariable) const
{
    if (text.empty())
        return messages::kNoText;
    checkTextLength(text.size());
    if (const std::u16string_view fault = shapeFault(text); !fault.empty())
        return fault;

    // Identifiers: every run that is not a number, an operator or a bracket
    // must be "pi", a function opening or, where allowed, a variable's name.
    for (std::size_t i = 0; i < text.size();) {
        if (!shape::startsIdentifier(text[i])) {
            ++i;
            continue;
        }
        const shape::Identifier identifier =
            shape::identifierAt(text, i, vDetectVariable && !shape::openingAt(text, i) ? &rows() : nullptr);
        if (!identifier.fault.empty())
            return identifier.fault;
        i += identifier.length;
    }
    return {};
}

bool cEvaluate::CheckExpression(Text& text, bool vDetectVariable) const
{
    const std::u16string_view fault = checkFault(text, vDetectVariable);
    if (fault.empty())
        return false;
    text.assign(fault);
    return true;
}

} // namespace vantor
