#pragma once

// What makes a text malformed, and the message each fault gives.

#include "engine/function_table.h"
#include "engine/messages.h"
#include "engine/text.h"
#include "engine/variable_rows.h"

#include <array>
#include <string_view>
#include <vector>

namespace vantor::checks {

// Faults that lie at one position of the text, each found by looking at the
// characters next to it.

// Two operators side by side, or an operator other than a sign's "-" first.
constexpr bool operatorFaultAt(TextView text, std::size_t i) noexcept
{
    return isOperator(text[i]) &&
           ((i + 1 < text.size() && isOperator(text[i + 1])) || (i == 0 && text[i] != u'-'));
}

// "()" or ")(", or ")" first.
constexpr bool bracketFaultAt(TextView text, std::size_t i) noexcept
{
    const char16_t next = i + 1 < text.size() ? text[i + 1] : u'\0';
    return (text[i] == u'(' && next == u')') || (text[i] == u')' && (next == u'(' || i == 0));
}

// A function's name without its "(". Found anywhere, also inside a longer run
// of letters such as a variable's name.
constexpr bool bareFunctionNameAt(TextView text, std::size_t i) noexcept
{
    const FunctionEntry* entry = functionNameAt(text, i);
    return entry && entry->function != Function::Pi && !beginsWithAt(text, i, entry->opening);
}

// An exponent letter first, last, or without a digit on both sides.
constexpr bool exponentFaultAt(TextView text, std::size_t i) noexcept
{
    return isExponentLetter(text[i]) &&
           (i == 0 || i + 1 == text.size() || !isDigit(text[i - 1]) || !isDigit(text[i + 1]));
}

struct LocalCheck {
    bool (*faultAt)(TextView text, std::size_t i) noexcept;
    std::u16string_view message;
};

// The checks are made in a fixed order, and the first that fails decides the
// message, wherever in the text its fault lies: an empty text, then the count
// of brackets, then these, then the identifiers (checks.cpp).
inline constexpr std::array<LocalCheck, 4> kLocalChecks{{
    {operatorFaultAt, messages::kWrongArrangementOfOperands},
    {bracketFaultAt, messages::kWrongArrangementOfParenthesis},
    {bareFunctionNameAt, messages::kFunctionWithNoParanthesis},
    {exponentFaultAt, messages::kWrongExponentialNumber},
}};

// Where in a text the local checks and the identifiers fail, so that the
// first fault of any bracketed group of it, or of the whole text, is found
// without checking it again.
class FaultIndex {
public:
    // variables: the variable rows, when their names are known identifiers.
    FaultIndex(TextView text, const VariableRows* variables);

    // The message of the first check that [start, end) fails, checked as a
    // text of its own: the whole text, or a bracketed group, whose brackets
    // pair up and through whose edges no identifier reaches. Empty when it
    // passes them all. The empty text and the bracket count are not checked here.
    std::u16string_view firstFault(std::size_t start, std::size_t end) const;

    // The same characters, now held elsewhere.
    void moveTo(TextView text) noexcept { m_text = text; }

private:
    TextView m_text;
    // For each local check, the positions of its faults, ascending.
    std::array<std::vector<std::size_t>, kLocalChecks.size()> m_localFaults;
    // Where the identifiers as the checks meet them fail, and the message of each.
    std::vector<std::size_t> m_identifierFaults;
    std::vector<std::u16string_view> m_identifierMessages;
};

} // namespace vantor::checks
