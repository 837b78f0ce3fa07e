#include "engine/compute.h"

#include "engine/engine_stack.h"
#include "engine/evaluate.h"
#include "engine/raise.h"

#include <utility>

namespace vantor {

namespace {

// One text evaluated on a stack with room for it; vDetectVariable: whether
// the rows' names are known identifiers.
Result compute(const EvaluationContext& context, Text text, bool vDetectVariable)
{
    const auto evaluate = [&] {
        return resultOf([&] { return cEvaluate(context).Evaluate(std::move(text), vDetectVariable); });
    };
    return stackHasRoom() ? evaluate() : onEngineStack(evaluate);
}

} // namespace

Result computeExpression(const EvaluationContext& context, Text expression)
{
    return compute(context, std::move(expression), true);
}

Result computeRow(const EvaluationContext& context, std::size_t row)
{
    return compute(context, context.rows.at(row).expression, false);
}

ExpressionAndRows computeExpressionAndRows(const EvaluationContext& context, Text expression)
{
    ExpressionAndRows results{computeExpression(context, std::move(expression)), {}};
    bool faulted = results.expression.fault.has_value();
    for (std::size_t i = 0; i < results.rows.size() && !faulted; ++i) {
        // A name of blanks counts as a name.
        if (context.rows[i].name.empty())
            continue;
        results.rows[i] = computeRow(context, i);
        faulted = results.rows[i]->fault.has_value();
    }
    return results;
}

} // namespace vantor
