#pragma once

// The engine's door: everything a program computes goes through these three
// calls, and comes back as a Result for each text. Each call runs on a stack
// with room for the deepest nesting, whatever thread makes it, and a fault
// never leaves the engine but as a Result's fault.

#include "engine/context.h"
#include "engine/fault.h"
#include "engine/text.h"

#include <array>
#include <cstddef>
#include <optional>

namespace vantor {

// What a text comes to: the text its box shows (its value's number text, or a
// message beginning "Error." when the text is malformed), or the fault that
// abandoned it, whose message the window shows instead.
struct Result {
    Text text; // empty after a fault
    std::optional<FaultKind> fault;

    bool operator==(const Result&) const = default;
};

// The expression, where the rows' names are variables: a line of vantor-eval.
Result computeExpression(const EvaluationContext& context, Text expression);

// The expression of row `row` (0 to 4), where no name is known: Enter in its
// expression box.
Result computeRow(const EvaluationContext& context, std::size_t row);

// What "=" computes: the expression, then the expression of each row with a
// name, in order, all with the rows as they stand before it. The first fault
// ends it: the rows after it are not computed.
struct ExpressionAndRows {
    Result expression;
    // Unset for a row without a name, and for every row after a fault.
    std::array<std::optional<Result>, EvaluationContext::kRows> rows;
};
ExpressionAndRows computeExpressionAndRows(const EvaluationContext& context, Text expression);

} // namespace vantor
