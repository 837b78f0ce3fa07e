#include "engine/checks.h"

#include "engine/steps.h"

#include <algorithm>
#include <utility>

namespace vantor {

namespace {

// The index of the first of the ascending positions that lies in [first, last); npos when none does.
std::size_t firstWithin(const std::vector<std::size_t>& positions, std::size_t first, std::size_t last)
{
    const auto found = std::lower_bound(positions.begin(), positions.end(), first);
    return found != positions.end() && *found < last ? static_cast<std::size_t>(found - positions.begin())
                                                     : Text::npos;
}

} // namespace

checks::Identifier checks::identifierAt(TextView text, std::size_t i, const VariableRows* variables)
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

checks::IdentifierFault checks::nextIdentifierFault(TextView text, std::size_t from,
                                                    const VariableRows* variables)
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

checks::FaultIndex::FaultIndex(TextView text, const VariableRows* variables) : m_text(text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Every check that fails here, not only the first.
        [&]<std::size_t... k>(std::index_sequence<k...>)
        {
            ((kLocalChecks[k].faultAt(text, i) ? m_localFaults[k].push_back(i) : void()), ...);
        }
        (std::make_index_sequence<kLocalChecks.size()>());
    }
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
