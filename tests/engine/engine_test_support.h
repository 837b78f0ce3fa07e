#pragma once

#include "engine/context.h"
#include "engine/evaluate.h"
#include "engine/fault.h"
#include "tools/utf8.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

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

// What an evaluation came to: a result text, or the kind of fault it raised.
struct Outcome {
    std::string text;
    std::optional<FaultKind> fault;
    bool operator==(const Outcome&) const = default;
};

inline Outcome yields(std::string text)
{
    return {std::move(text), std::nullopt};
}
inline Outcome faults(FaultKind kind)
{
    return {{}, kind};
}

inline void PrintTo(const Outcome& outcome, std::ostream* os)
{
    if (outcome.fault)
        *os << "fault \"" << faultMessage(*outcome.fault) << '"';
    else
        *os << '"' << outcome.text << '"';
}

// Runs a step that gives a text, catching its fault.
template <class Step> Outcome outcomeOf(Step step)
{
    try {
        return yields(step());
    } catch (const Fault& fault) {
        return faults(fault.kind());
    }
}

// Evaluates as the window's "=" does for its expression box.
inline Outcome evaluate(const EvaluationContext& context, std::string_view expression)
{
    return outcomeOf([&] { return u8(cEvaluate(context).Evaluate(u16(expression), true)); });
}

constexpr bool kDegrees = true;
constexpr bool kRadians = false;

inline Outcome evaluateIn(bool degrees, std::string_view expression)
{
    EvaluationContext rows;
    rows.degrees = degrees;
    return evaluate(rows, expression);
}

// Computes row i as Enter in its expression box does: its expression,
// evaluated without variables, becomes its result. A fault propagates and
// leaves the result as it was.
inline void computeRow(EvaluationContext& context, std::size_t i)
{
    VariableRow& row = context.rows.at(i);
    row.result = cEvaluate(context).Evaluate(row.expression, false);
}

// A table row: an expression and what it comes to.
struct ExpressionRow {
    const char* name;
    const char* expression;
    Outcome expected;
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
