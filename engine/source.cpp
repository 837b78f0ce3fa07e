#include "engine/source.h"

#include "engine/messages.h"
#include "engine/shape.h"

#include <algorithm>

namespace vantor {

namespace {

// True when a position of the list lies in [first, last).
bool anyWithin(const std::vector<std::size_t>& positions, std::size_t first, std::size_t last)
{
    const auto found = std::lower_bound(positions.begin(), positions.end(), first);
    return found != positions.end() && *found < last;
}

} // namespace

const Source::Index& Source::index() const
{
    if (m_index)
        return *m_index;
    Index& index = m_index.emplace();
    const TextView text = m_text;
    index.closing = shape::closingPositions(text, Text::npos);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (shape::operatorPairAt(text, i))
            index.operatorPairs.push_back(i);
        if (shape::bracketPairAt(text, i))
            index.bracketPairs.push_back(i);
        if (shape::bareFunctionNameAt(text, i))
            index.bareNames.push_back(i);
        if (shape::looseExponentAt(text, i))
            index.looseExponents.push_back(i);
    }
    // The identifiers as the checks meet them. An argument starts with "(",
    // which no identifier here can span, so its own scan falls into step with
    // this one right after it; past a fault this scan goes on one character on.
    for (std::size_t i = 0; i < text.size();) {
        if (!shape::startsIdentifier(text[i])) {
            ++i;
            continue;
        }
        const shape::Identifier identifier = shape::identifierAt(text, i, rows());
        if (identifier.fault.empty()) {
            i += identifier.length;
        } else {
            index.identifierFaults.push_back(i);
            index.identifierMessages.push_back(identifier.fault);
            ++i;
        }
    }
    return index;
}

std::size_t Source::closingAfter(std::size_t open) const
{
    if (m_text.size() >= kIndexedLength)
        return index().closing[open];
    int depth = 0;
    for (std::size_t i = open; i < m_text.size(); ++i) {
        depth += (m_text[i] == u'(') - (m_text[i] == u')');
        if (depth == 0)
            return i + 1;
    }
    return Text::npos;
}

std::u16string_view Source::argumentFault(std::size_t start, std::size_t end) const
{
    const Index& index = this->index();
    // The group opens with "(" and closes with ")": no fault of the first or
    // last character, and its bracket count is zero.
    if (anyWithin(index.operatorPairs, start, end - 1))
        return messages::kWrongArrangementOfOperands;
    if (anyWithin(index.bracketPairs, start, end - 1))
        return messages::kWrongArrangementOfParenthesis;
    if (anyWithin(index.bareNames, start, end))
        return messages::kFunctionWithNoParanthesis;
    if (anyWithin(index.looseExponents, start + 1, end - 1))
        return messages::kWrongExponentialNumber;
    const auto fault =
        std::lower_bound(index.identifierFaults.begin(), index.identifierFaults.end(), start + 1);
    if (fault != index.identifierFaults.end() && *fault < end)
        return index.identifierMessages[static_cast<std::size_t>(fault - index.identifierFaults.begin())];
    return {};
}

} // namespace vantor
