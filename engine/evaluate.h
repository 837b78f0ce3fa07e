#pragma once

#include "engine/context.h"
#include "engine/text.h"

#include <cstddef>

namespace vantor {

// The expression engine. Evaluate turns an expression text into a result
// text: the number text of its value, or a message beginning "Error." when the
// text is malformed. Arithmetic and conversion faults are raised as Fault.
//
// The object holds no state between calls; it reads the variable rows and the
// angle unit from the context, a value that nothing changes while it evaluates.
class cEvaluate {
public:
    // Deeper nesting of function calls raises the "Out of stack space" fault
    // instead of exhausting the thread's stack.
    static constexpr int kMaxNesting = 1000;
    // The stack that the deepest nesting needs, with room to spare (about 1 MB
    // in an optimised build, a few times that under the sanitizers). A
    // program whose thread may have less, as a main thread may, evaluates
    // on a thread with this much.
    static constexpr std::size_t kStackBytes = std::size_t{16} << 20;

    explicit cEvaluate(const EvaluationContext& context) noexcept : m_context(context) {}

    // vDetectVariable: whether the names of the variable rows are known identifiers.
    Text Evaluate(Text vIExp, bool vDetectVariable);

private:
    const EvaluationContext& m_context;
};

} // namespace vantor
