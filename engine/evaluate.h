#pragma once

#include "engine/context.h"
#include "engine/function_table.h"
#include "engine/text.h"
#include "engine/tokens.h"
#include "engine/variable_table.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace vantor {

class Source;

// The expression engine. Evaluate turns an expression text into a result
// text: the number text of its value, or a message beginning "Error." when the
// text is malformed. Arithmetic and conversion faults are raised as Fault.
//
// The object holds no state between calls. Function arguments and variable
// expressions are evaluated on fresh objects that share the context.
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
    friend struct EngineSteps; // the tests' window onto the private steps

    // What an evaluation comes to: the message of a malformed text, or a value.
    struct Outcome {
        std::u16string_view message;
        double value = 0;
    };

    cEvaluate(const EvaluationContext& context, int depth, const LazyVariableTable* rows) noexcept
        : m_context(context), m_depth(depth), m_rows(rows)
    {
    }
    cEvaluate nested() const noexcept { return cEvaluate(m_context, m_depth + 1, m_rows); }

    // The whole pipeline, on a text of its own (an expression, a variable's expression).
    Outcome evaluateText(Text text, bool vDetectVariable) const;
    // The pipeline on a function's argument, a bracketed group [start, end) of its source.
    Outcome evaluateArgument(const Source& source, std::size_t start, std::size_t end,
                             bool vDetectVariable) const;

    // The steps, in the order in which an evaluation takes them.
    static Text CleanExpression(Text& text);
    bool CheckExpression(Text& text, bool vDetectVariable) const;
    static Text RewriteSigns(Text text);
    std::optional<TokenList> Tokenise(const Source& source, TextView text, bool vDetectVariable) const;
    static std::vector<TextView> ToPostfix(TokenList& tokens);
    static double EvaluatePostfix(const std::vector<TextView>& postfix);

    // What the tokeniser puts in place of pi or a function call; covered: the
    // length of the call, its bracketed argument included.
    Text ApplyFunctions(const Source& source, TextView text, std::size_t position, bool vDetectVariable,
                        std::size_t& covered) const;
    // The position after the bracket that closes the "(" at open; overflow fault when none does.
    static std::size_t FindMatchingBracket(const Source& source, std::size_t open);
    // What the tokeniser puts in place of a variable's name; none when the
    // variable's expression gives a message.
    std::optional<Text> SpliceValue(const Text& expression) const;
    // The number around the exponent letter at position as one bracketed
    // product: 2e3 becomes (2*10^3), 1.5E-05 becomes (1.5*10^(0-05)).
    static Text ExpandExponent(Text text, std::size_t position);
    static double Factorial(double x);
    static bool OperatorPriority(TextView incoming, TextView top) noexcept;

    // The message of the first check that the text fails; empty when it passes.
    std::u16string_view checkFault(TextView text, bool vDetectVariable) const;
    // A value as the tokeniser reads it into the text: its number text, a
    // negative one as "(0" text ")", a number in exponent form expanded.
    static Text valueText(double value);
    double functionValue(Function function, double x) const;
    // Radians to degrees or back, for a value in the form it has in a text.
    static double convertAngle(double value, double factor);
    // The variable rows, read when first needed and kept for the evaluation.
    const VariableTable& rows() const;

    const EvaluationContext& m_context;
    int m_depth = 0;
    const LazyVariableTable* m_rows = nullptr;
};

} // namespace vantor
