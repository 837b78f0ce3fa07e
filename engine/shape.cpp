#include "engine/shape.h"

#include "engine/messages.h"

#include <array>

namespace vantor::shape {

const FunctionEntry* functionNameAt(TextView text, std::size_t i) noexcept
{
    // The entries whose names begin with each letter; no name is the beginning of another.
    static constexpr std::array<std::array<int, 4>, 26> kByFirstLetter = [] {
        std::array<std::array<int, 4>, 26> table{};
        for (auto& letter : table)
            letter.fill(-1);
        for (std::size_t e = 0; e < kFunctions.size(); ++e) {
            auto& letter = table[static_cast<std::size_t>(kFunctions[e].name.front() - u'a')];
            std::size_t k = 0;
            while (letter[k] >= 0)
                ++k;
            letter[k] = static_cast<int>(e);
        }
        return table;
    }();
    const char16_t c = text[i];
    if (c < u'a' || c > u'z')
        return nullptr;
    for (const int e : kByFirstLetter[static_cast<std::size_t>(c - u'a')]) {
        if (e < 0)
            break;
        const FunctionEntry& entry = kFunctions[static_cast<std::size_t>(e)];
        if (beginsWithAt(text, i, entry.name))
            return &entry;
    }
    return nullptr;
}

bool bareFunctionNameAt(TextView text, std::size_t i) noexcept
{
    // Found anywhere, also inside a longer run of letters such as a variable's name.
    const FunctionEntry* entry = functionNameAt(text, i);
    return entry && entry->function != Function::Pi && !beginsWithAt(text, i, entry->opening);
}

std::vector<std::size_t> closingPositions(TextView text, std::size_t fallback)
{
    std::vector<std::size_t> closing(text.size(), fallback);
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'(') {
            open.push_back(i);
        } else if (text[i] == u')' && !open.empty()) {
            closing[open.back()] = i + 1;
            open.pop_back();
        }
    }
    return closing;
}

const FunctionEntry* openingAt(TextView text, std::size_t i) noexcept
{
    const FunctionEntry* entry = functionNameAt(text, i);
    return entry && beginsWithAt(text, i, entry->opening) ? entry : nullptr;
}

Identifier identifierAt(TextView text, std::size_t i, const VariableTable* rows)
{
    if (const FunctionEntry* opening = openingAt(text, i))
        return {opening->opening.size(), {}};
    if (!rows)
        return {0, messages::kUnknownIdentifier};
    const VariableTable::Row* row = rows->match(text, i);
    if (!row)
        return {0, messages::kUnknownIdentifier};
    // A row in error, any of the five, makes every use of a variable fail.
    if (rows->anyInError())
        return {0, messages::kVariableInError};
    return {row->name.size(), {}};
}

} // namespace vantor::shape
