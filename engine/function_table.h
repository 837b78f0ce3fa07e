#pragma once

#include "engine/text.h"

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

// The letters that names begin with, a bit each: most characters are no
// name's first letter, and the lookup ends there.
inline constexpr std::uint32_t kNameInitials = [] {
    std::uint32_t initials = 0;
    for (const FunctionEntry& entry : kFunctions)
        initials |= std::uint32_t{1} << (entry.name.front() - u'a');
    return initials;
}();

// The entry whose name the text at i begins with, "pi" included; null when none.
constexpr const FunctionEntry* functionNameAt(TextView text, std::size_t i) noexcept
{
    const char16_t c = i < text.size() ? text[i] : u'\0';
    if (c < u'a' || c > u'z' || ((kNameInitials >> (c - u'a')) & 1) == 0)
        return nullptr;
    for (const FunctionEntry& entry : kFunctions) {
        if (entry.name.front() == c && beginsWithAt(text, i, entry.name))
            return &entry;
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
