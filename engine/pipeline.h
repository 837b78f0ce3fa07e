#pragma once

// The steps of an evaluation, for the engine and its tests; programs that
// evaluate need only engine/evaluate.h.

#include "engine/context.h"
#include "engine/function_table.h"
#include "engine/text.h"
#include "engine/tokens.h"
#include "engine/variable_snapshot.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace vantor {

class PreparedText;

// The steps that need nothing but their input, in the order an evaluation
// takes them.

// Removes the blanks and lower-cases the letters.
Text CleanExpression(Text text);
// Each minus that is a sign, with its operand, becomes a subtraction from zero.
Text RewriteSigns(Text text);
// Postfix order of the tokens; ")" is appended to the list, which closes the "(" put first.
std::vector<TextView> ToPostfix(TokenList& tokens);
double EvaluatePostfix(const std::vector<TextView>& postfix);

// The number around the exponent letter at position as one bracketed
// product: 2e3 becomes (2*10^3), 1.5E-05 becomes (1.5*10^(0-05)).
Text ExpandExponent(Text text, std::size_t position);
// The end of the exponent whose letter is at letter: after its sign and digits.
std::size_t exponentEnd(TextView text, std::size_t letter) noexcept;
// True when the top of the operator stack stays there as the incoming operator is pushed.
bool OperatorPriority(TextView incoming, TextView top) noexcept;
double Factorial(double x);

// What an evaluation comes to: the message of a malformed text, or a value.
struct Outcome {
    std::u16string_view message;
    double value = 0;
};

// One evaluation, with the ones nested in it for function arguments and
// variables: they share the context, the variable rows read once, and count
// how deep they are nested.
class Evaluation {
public:
    Evaluation(const EvaluationContext& context, const VariableSnapshot& variables) noexcept
        : m_context(context), m_variables(variables)
    {
    }

    // The whole pipeline, on a text of its own (an expression, a variable's expression).
    Outcome evaluateText(Text text, bool vDetectVariable) const;

    // The message of the first check that the text fails; empty when it passes.
    std::u16string_view checkFault(TextView text, bool vDetectVariable) const;
    // checkFault, with the message put in place of the text; true when there is one.
    bool CheckExpression(Text& text, bool vDetectVariable) const;

    // The tokens of text, a part of the prepared text; none when a variable's
    // expression gives a message.
    std::optional<TokenList> Tokenise(const PreparedText& prepared, TextView text, bool vDetectVariable) const;

    // The substitutions the tokeniser makes, each a text in place of what it
    // covers. Pi or the function call at position of text; covered: its
    // length, the bracketed argument included.
    Text ApplyFunctions(const PreparedText& prepared, TextView text, std::size_t position,
                        bool vDetectVariable, std::size_t& covered) const;
    // The value of a variable's expression; none when it gives a message.
    std::optional<Text> SpliceValue(const Text& expression) const;

    double functionValue(Function function, double x) const;

private:
    Evaluation(const Evaluation& outer, int depth) noexcept
        : m_context(outer.m_context), m_variables(outer.m_variables), m_depth(depth)
    {
    }
    // The evaluation one level deeper; beyond the deepest allowed, the "Out of stack space" fault.
    Evaluation nested() const;

    // A function's argument, the bracketed group [start, end) of the prepared text.
    Outcome evaluateArgument(const PreparedText& prepared, std::size_t start, std::size_t end,
                             bool vDetectVariable) const;
    // The pipeline's tail on text, a part of the prepared text that passed
    // the checks: tokens, postfix order, value.
    Outcome evaluateChecked(const PreparedText& prepared, TextView text, bool vDetectVariable) const;

    const EvaluationContext& m_context;
    const VariableSnapshot& m_variables;
    int m_depth = 0;
};

} // namespace vantor
