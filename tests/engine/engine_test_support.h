#pragma once

#include "engine/compute.h"
#include "engine/raise.h"
#include "tools/utf8.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

inline void PrintTo(const Result& result, std::ostream* os)
{
    if (result.fault)
        *os << "fault \"" << faultMessage(*result.fault) << '"';
    else
        *os << '"' << toUtf8(result.text) << '"';
}

} // namespace vantor

namespace vantor::test {

inline Text u16(std::string_view utf8)
{
    return fromUtf8(utf8);
}
inline std::string u8(TextView text)
{
    return toUtf8(text);
}

inline std::vector<std::string> u8(const std::vector<Text>& texts)
{
    std::vector<std::string> out;
    for (const Text& text : texts)
        out.push_back(toUtf8(text));
    return out;
}

inline Result yields(std::string_view text)
{
    return {u16(text), std::nullopt};
}
inline Result faults(FaultKind kind)
{
    return {{}, kind};
}

// Evaluates as the window's "=" does for its expression box.
inline Result evaluate(const EvaluationContext& context, std::string_view expression)
{
    return computeExpression(context, u16(expression));
}

constexpr bool kDegrees = true;
constexpr bool kRadians = false;

inline Result evaluateIn(bool degrees, std::string_view expression)
{
    EvaluationContext rows;
    rows.degrees = degrees;
    return evaluate(rows, expression);
}

// A table row: an expression and what it comes to.
struct ExpressionRow {
    const char* name;
    const char* expression;
    Result expected;
};

inline void PrintTo(const ExpressionRow& row, std::ostream* os)
{
    *os << row.expression;
}

// Names TEST_P instances after their rows.
struct RowName {
    template <class Row> std::string operator()(const testing::TestParamInfo<Row>& info) const
    {
        return info.param.name;
    }
};

} // namespace vantor::test
