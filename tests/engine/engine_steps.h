#pragma once

#include "engine/evaluate.h"

namespace vantor {

// The tests' window onto cEvaluate's private steps. Positions count from 0.
struct EngineSteps {
    static Text CleanExpression(Text text) { return cEvaluate::CleanExpression(text); }
    static Text RewriteSigns(Text text) { return cEvaluate::RewriteSigns(std::move(text)); }
    static TokenList ToPostfix(TokenList tokens) { return cEvaluate::ToPostfix(tokens); }

    // The text as the checks leave it: unchanged when it passes, else the message.
    static Text CheckExpression(const EvaluationContext& context, Text text, bool vDetectVariable)
    {
        cEvaluate(context).CheckExpression(text, vDetectVariable);
        return text;
    }

    // The text after the exponent letter at position has been expanded.
    static Text ExpandExponent(Text text, std::size_t position)
    {
        cEvaluate::ExpandExponent(text, position, 0);
        return text;
    }

    // No list when a variable in error stopped the scan.
    static std::optional<TokenList> Tokenise(const EvaluationContext& context, Text text,
                                             bool vDetectVariable)
    {
        return cEvaluate(context).Tokenise(text, vDetectVariable);
    }
};

} // namespace vantor
