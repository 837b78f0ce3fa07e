#pragma once

#include "engine/text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace vantor {

enum class Function { Pi, Abs, Cos, Fac, Int, Log, Sin, Tan, Acos, Asin, Atan, Round };

struct FunctionEntry {
    Function function;
    std::u16string_view name;
    std::u16string_view opening; // the name with its "(", or "pi" alone
};

// The constant and the eleven functions, in the order in which a call is
// matched against them. No name is the beginning of another.
inline constexpr std::array<FunctionEntry, 12> kFunctions{{
    {Function::Pi, u"pi", u"pi"},
    {Function::Abs, u"abs", u"abs("},
    {Function::Cos, u"cos", u"cos("},
    {Function::Fac, u"fac", u"fac("},
    {Function::Int, u"int", u"int("},
    {Function::Log, u"log", u"log("},
    {Function::Sin, u"sin", u"sin("},
    {Function::Tan, u"tan", u"tan("},
    {Function::Acos, u"acos", u"acos("},
    {Function::Asin, u"asin", u"asin("},
    {Function::Atan, u"atan", u"atan("},
    {Function::Round, u"round", u"round("},
}};

// For each letter, the entries whose names begin with it (at most four,
// the rest kNoEntry): most characters are no name's first letter, and the
// lookup ends there.
inline constexpr std::uint8_t kNoEntry = 0xFF;
inline constexpr auto kEntriesByInitial = [] {
    std::array<std::array<std::uint8_t, 4>, 26> byInitial{};
    for (auto& entries : byInitial)
        entries.fill(kNoEntry);
    for (std::uint8_t k = 0; k < kFunctions.size(); ++k) {
        auto& entries = byInitial[static_cast<std::size_t>(kFunctions[k].name.front() - u'a')];
        *std::find(entries.begin(), entries.end(), kNoEntry) = k;
    }
    return byInitial;
}();

// The entry whose name the text at i begins with, "pi" included; null when none.
constexpr const FunctionEntry* functionNameAt(TextView text, std::size_t i) noexcept
{
    const char16_t c = i < text.size() ? text[i] : u'\0';
    if (c < u'a' || c > u'z')
        return nullptr;
    for (const std::uint8_t k : kEntriesByInitial[static_cast<std::size_t>(c - u'a')]) {
        if (k == kNoEntry)
            break;
        if (beginsWithAt(text, i, kFunctions[k].name))
            return &kFunctions[k];
    }
    return nullptr;
}

// The entry whose opening ("pi", or a name and its "(") the text at i begins with; null when none.
constexpr const FunctionEntry* openingAt(TextView text, std::size_t i) noexcept
{
    const FunctionEntry* entry = functionNameAt(text, i);
    return entry && beginsWithAt(text, i, entry->opening) ? entry : nullptr;
}

} // namespace vantor
