#include "engine/checks.h"

#include "engine/steps.h"

#include <algorithm>
#include <utility>

namespace vantor {

namespace {

using checks::kLocalChecks;

// The index of the first of the ascending positions that lies in [first, last); npos when none does.
std::size_t firstWithin(const std::vector<std::size_t>& positions, std::size_t first, std::size_t last)
{
    const auto found = std::lower_bound(positions.begin(), positions.end(), first);
    return found != positions.end() && *found < last ? static_cast<std::size_t>(found - positions.begin())
                                                     : Text::npos;
}

// Whether a character starts an identifier: it is no digit, point, exponent
// letter, operator or bracket.
constexpr bool startsIdentifier(char16_t c) noexcept
{
    return !isNumberChar(c) && !isExponentLetter(c) && !isOperator(c) && !isBracket(c);
}

// An identifier that starts at i: "pi", a function opening or, where the
// variables are known, a variable's name. Its length, or the message when it
// is none.
struct Identifier {
    std::size_t length = 0;
    std::u16string_view fault;
};

Identifier identifierAt(TextView text, std::size_t i, const VariableRows* variables)
{
    if (const FunctionEntry* opening = openingAt(text, i))
        return {opening->opening.size(), {}};
    const VariableRow* row = variables ? variables->match(text, i) : nullptr;
    if (!row)
        return {0, messages::kUnknownIdentifier};
    // A row in error, any of the five, makes every use of a variable fail.
    if (variables->anyInError())
        return {0, messages::kVariableInError};
    return {row->name.size(), {}};
}

// The first identifier fault at or after from, scanning identifiers as the
// checks meet them: each known one is passed over whole; npos when none.
struct IdentifierFault {
    std::size_t position = Text::npos;
    std::u16string_view message;
};

IdentifierFault nextIdentifierFault(TextView text, std::size_t from, const VariableRows* variables)
{
    for (std::size_t i = from; i < text.size();) {
        if (!startsIdentifier(text[i])) {
            ++i;
            continue;
        }
        const Identifier identifier = identifierAt(text, i, variables);
        if (!identifier.fault.empty())
            return {i, identifier.fault};
        i += identifier.length;
    }
    return {};
}

// Notes where each local check fails at position i; spelt out at compile
// time, so that each check's test is inlined.
template <std::size_t... k>
void noteLocalFaults(TextView text, std::size_t i, std::array<std::vector<std::size_t>, sizeof...(k)>& faults,
                     std::index_sequence<k...>)
{
    ((kLocalChecks[k].faultAt(text, i) ? faults[k].push_back(i) : void()), ...);
}

} // namespace

checks::FaultIndex::FaultIndex(TextView text, const VariableRows* variables) : m_text(text)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        noteLocalFaults(text, i, m_localFaults, std::make_index_sequence<kLocalChecks.size()>());
    // Every run that is not a number, an operator or a bracket must be "pi",
    // a function opening or, where allowed, a variable's name. A bracketed
    // group starts with "(", which no identifier here can span, so its own
    // scan falls into step with this one right after it; past a fault this
    // scan goes on one character on.
    for (IdentifierFault fault = nextIdentifierFault(text, 0, variables); fault.position != Text::npos;
         fault = nextIdentifierFault(text, fault.position + 1, variables)) {
        m_identifierFaults.push_back(fault.position);
        m_identifierMessages.push_back(fault.message);
    }
}

std::u16string_view checks::FaultIndex::firstFault(std::size_t start, std::size_t end) const
{
    // Inside the part each local check sees what it sees in the whole text;
    // at the part's first and last character, the part's own edges.
    const TextView part = m_text.substr(start, end - start);
    for (std::size_t k = 0; k < kLocalChecks.size(); ++k) {
        const LocalCheck& check = kLocalChecks[k];
        if (check.faultAt(part, 0) || check.faultAt(part, part.size() - 1) ||
            firstWithin(m_localFaults[k], start + 1, end - 1) != Text::npos)
            return check.message;
    }
    const std::size_t fault = firstWithin(m_identifierFaults, start, end);
    return fault == Text::npos ? std::u16string_view() : m_identifierMessages[fault];
}

std::u16string_view CheckExpression(TextView text, const checks::FaultIndex& faults)
{
    if (text.empty())
        return messages::kNoText;
    checkTextLength(text.size());
    // Only the final count matters; it may go below zero on the way.
    if (std::count(text.begin(), text.end(), u'(') != std::count(text.begin(), text.end(), u')'))
        return messages::kWrongParenthisation;
    return faults.firstFault(0, text.size());
}

std::u16string_view CheckExpression(TextView text, const VariableRows* variables)
{
    return CheckExpression(text, checks::FaultIndex(text, variables));
}

} // namespace vantor
