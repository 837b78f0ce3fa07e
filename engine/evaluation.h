#pragma once

#include "engine/checks.h"
#include "engine/context.h"
#include "engine/text.h"
#include "engine/variable_rows.h"

#include <optional>
#include <string_view>
#include <vector>

namespace vantor {

// What an evaluation comes to inside the engine, before it is a result text:
// the message of a malformed text, or a value, which a nested evaluation hands
// on as it is.
struct ValueOrMessage {
    std::u16string_view message;
    double value = 0;
};

// The recursive part of the engine: one evaluation of a text, and the ones
// nested in it for function arguments and variables, which share the context
// and count how deep they are nested. The steps it calls are free functions
// (engine/steps.h); the tokeniser calls back for the substitutions.
class Evaluation {
public:
    Evaluation(const EvaluationContext& context, const VariableRows& variables) noexcept
        : m_context(context), m_variables(variables)
    {
    }

    // The whole pipeline on a text of its own: an expression, a variable's expression.
    ValueOrMessage evaluateText(Text text, bool vDetectVariable) const;

    // The substitutions, for the tokeniser. The value of pi or of the function
    // call at position of text, a part of this evaluation's text; covered: its
    // length, the bracketed argument included.
    double ApplyFunctions(TextView text, std::size_t position, std::size_t& covered) const;
    // The row whose name the text at position begins with, where variables are
    // known identifiers; null otherwise.
    const VariableRow* variableAt(TextView text, std::size_t position) const;
    // The value of a variable's expression; the message "Error." when it gives a message.
    ValueOrMessage SpliceValue(const VariableRow& row) const;

private:
    // The text of an evaluation after cleaning, checking and sign rewriting,
    // shared with the evaluations of the function arguments in it: each is a
    // bracketed group of it, evaluated where it stands. Where each bracket
    // closes, and where the checks would find a fault in each group, is
    // worked out once for the whole text, so deep nesting costs no more than
    // the text is long.
    struct Prepared {
        TextView text;
        const VariableRows* variables;            // when their names are known identifiers
        mutable std::vector<std::size_t> closing; // for each "(", the position after its ")", or npos
        mutable std::optional<checks::FaultIndex> faults;
    };

    Evaluation(const Evaluation& outer, const Prepared* prepared, int depth) noexcept
        : m_context(outer.m_context), m_variables(outer.m_variables), m_prepared(prepared), m_depth(depth)
    {
    }
    // The depth of an evaluation nested in this one; beyond the deepest
    // allowed, the "Out of stack space" fault.
    int nestedDepth() const;

    // A function's argument, the bracketed group [start, end) of the text.
    ValueOrMessage evaluateArgument(std::size_t start, std::size_t end) const;
    // The pipeline's tail on a part of the text that passed the checks.
    ValueOrMessage evaluateChecked(TextView text) const;
    // The same on a thread with the engine's stack; kept out of line, so
    // that evaluateChecked's frame, taken at every nesting level, stays small.
    [[gnu::noinline]] ValueOrMessage evaluateOnEngineStack(TextView text) const;

    const EvaluationContext& m_context;
    const VariableRows& m_variables;
    const Prepared* m_prepared = nullptr;
    int m_depth = 0;
};

} // namespace vantor
