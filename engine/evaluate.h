#pragma once

#include "engine/context.h"
#include "engine/text.h"

namespace vantor {

// The expression engine's entry, for the door (engine/compute.h) and the
// tests. Evaluate turns an expression text into a result text: the number
// text of its value, or a message beginning "Error." when the text is
// malformed. Arithmetic and conversion faults are raised as Fault.
//
// The object holds no state between calls; it reads the variable rows and the
// angle unit from the context, a value that nothing changes while it evaluates.
class cEvaluate {
public:
    // Deeper nesting of function calls raises the "Out of stack space" fault.
    static constexpr int kMaxNesting = 1000;

    explicit cEvaluate(const EvaluationContext& context) noexcept : m_context(context) {}

    // vDetectVariable: whether the names of the variable rows are known identifiers.
    Text Evaluate(Text vIExp, bool vDetectVariable);

private:
    const EvaluationContext& m_context;
};

} // namespace vantor
