#pragma once

#include "engine/context.h"
#include "engine/text.h"

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

namespace vantor {

using TokenList = std::vector<Text>;

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

    explicit cEvaluate(const EvaluationContext& context) noexcept : cEvaluate(context, 0) {}

    // vDetectVariable: whether the names of the variable rows are known identifiers.
    Text Evaluate(Text vIExp, bool vDetectVariable);

private:
    friend struct EngineSteps; // the tests' window onto the private steps

    // A row as a step sees it: its name and one of its other two texts.
    struct NamedText {
        Text name;
        Text text;
    };
    using Rows = std::array<NamedText, EvaluationContext::kRows>;

    // Where an exponent expansion put its bracketed product.
    struct Expansion {
        std::size_t start;
        std::size_t replacedLength;
        std::size_t length;
    };

    cEvaluate(const EvaluationContext& context, int depth) noexcept : m_context(context), m_depth(depth) {}
    cEvaluate nested() const noexcept { return cEvaluate(m_context, m_depth + 1); }

    static double Factorial(double x);
    static bool OperatorPriority(TextView incoming, TextView top) noexcept;
    bool CheckExpression(Text& text, bool vDetectVariable) const;
    static Text CleanExpression(Text& text);
    static Text RewriteSigns(Text text);
    std::size_t ApplyFunctions(Text& text, std::size_t position, bool vDetectVariable) const;
    static Text FindMatchingBracket(TextView text, std::size_t position, std::size_t nameLength,
                                    std::size_t& argumentLength);
    std::optional<std::size_t> SpliceValue(Text& text, const Text& expression, std::size_t position,
                                           std::size_t nameLength) const;
    // The number runs no further back than first and no further on than last.
    static Expansion ExpandExponent(Text& text, std::size_t position, std::size_t first = 0,
                                    std::size_t last = Text::npos);
    std::optional<TokenList> Tokenise(Text& text, bool vDetectVariable) const;
    static TokenList ToPostfix(TokenList& tokens);
    static double EvaluatePostfix(const TokenList& postfix);

    // The rows ordered by decreasing length of name, with the exchange
    // procedure both the checks and the tokeniser use.
    Rows rowsByNameLength(Text (EvaluationContext::*second)(int) const) const;

    // Radians to degrees or back, for a value in the form it has in a text.
    static double convertAngle(double value, double factor);

    const EvaluationContext& m_context;
    int m_depth;
};

} // namespace vantor
