#include "engine/evaluate.h"

#include "engine/fault.h"
#include "engine/function_table.h"
#include "engine/messages.h"

namespace vantor {

namespace {

// Each check returns the message of its fault, or an empty view when it passes.
using Check = std::u16string_view (*)(TextView);

std::u16string_view checkBracketCount(TextView text)
{
    // Only the final count matters; it may go below zero on the way.
    int count = 0;
    for (const char16_t c : text)
        count += (c == u'(') - (c == u')');
    return count != 0 ? messages::kWrongParenthisation : std::u16string_view{};
}

std::u16string_view checkOperators(TextView text)
{
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (isOperator(text[i]) && isOperator(text[i + 1]))
            return messages::kWrongArrangementOfOperands;
    }
    // A leading minus is a sign; any other leading operator lacks its left operand.
    if (isOperator(text.front()) && text.front() != u'-')
        return messages::kWrongArrangementOfOperands;
    return {};
}

std::u16string_view checkBrackets(TextView text)
{
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if ((text[i] == u'(' && text[i + 1] == u')') || (text[i] == u')' && text[i + 1] == u'('))
            return messages::kWrongArrangementOfParenthesis;
    }
    if (text.front() == u')')
        return messages::kWrongArrangementOfParenthesis;
    return {};
}

std::u16string_view checkFunctionOpenings(TextView text)
{
    // Found anywhere, also inside a longer run of letters such as a variable's name.
    for (std::size_t i = 0; i < text.size(); ++i) {
        for (const FunctionEntry& entry : kFunctions) {
            if (entry.function != Function::Pi && beginsWithAt(text, i, entry.name) &&
                !beginsWithAt(text, i, entry.opening))
                return messages::kFunctionWithNoParanthesis;
        }
    }
    return {};
}

std::u16string_view checkExponentLetters(TextView text)
{
    if (isExponentLetter(text.front()) || isExponentLetter(text.back()))
        return messages::kWrongExponentialNumber;
    // An exponent letter stands between two digits; a sign or a point beside it is refused.
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (isExponentLetter(text[i]) && (!isDigit(text[i - 1]) || !isDigit(text[i + 1])))
            return messages::kWrongExponentialNumber;
    }
    return {};
}

constexpr Check kShapeChecks[] = {checkBracketCount, checkOperators, checkBrackets, checkFunctionOpenings,
                                  checkExponentLetters};

} // namespace

bool cEvaluate::CheckExpression(Text& text, bool vDetectVariable) const
{
    const auto fail = [&text](std::u16string_view message) {
        text.assign(message);
        return true;
    };

    if (text.empty())
        return fail(messages::kNoText);
    checkTextLength(text.size());
    for (const Check check : kShapeChecks) {
        if (const std::u16string_view message = check(text); !message.empty())
            return fail(message);
    }

    // Identifiers: every run that is not a number, an operator or a bracket
    // must be "pi", a function opening or, where allowed, a variable's name.
    std::size_t i = 0;
    while (i < text.size()) {
        const char16_t c = text[i];
        if (isNumberChar(c) || isExponentLetter(c) || isOperator(c) || isBracket(c)) {
            ++i;
            continue;
        }
        const FunctionEntry* opening = nullptr;
        for (const FunctionEntry& entry : kFunctions) {
            if (beginsWithAt(text, i, entry.opening)) {
                opening = &entry;
                break;
            }
        }
        if (opening) {
            i += opening->opening.size();
            continue;
        }
        if (!vDetectVariable)
            return fail(messages::kUnknownIdentifier);
        const Rows rows = rowsByNameLength(&EvaluationContext::variableResult);
        const NamedText* match = nullptr;
        for (const NamedText& row : rows) {
            if (!row.name.empty() && beginsWithAt(text, i, row.name)) {
                match = &row;
                break;
            }
        }
        if (!match)
            return fail(messages::kUnknownIdentifier);
        // A row in error, any of the five, named or not, makes every use of a variable fail.
        for (const NamedText& row : rows) {
            if (row.text.starts_with(messages::kErrorPrefix))
                return fail(messages::kVariableInError);
        }
        i += match->name.size();
    }
    return false;
}

} // namespace vantor
