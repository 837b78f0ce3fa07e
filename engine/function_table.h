#pragma once

#include <array>
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

} // namespace vantor
