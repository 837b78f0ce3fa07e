#pragma once

#include "engine/pipeline.h"
#include "engine/prepared_text.h"

#include <optional>
#include <vector>

namespace vantor {

// The engine's steps with token lists as lists of texts, for the tests.
// Positions count from 0.
struct EngineSteps {
    using Texts = std::vector<Text>;

    static Texts ToPostfix(const Texts& tokens)
    {
        TokenList list;
        for (const Text& token : tokens)
            list.push(list.keep(token));
        return texts(vantor::ToPostfix(list));
    }

    // The text as the checks leave it: unchanged when it passes, else the message.
    static Text CheckExpression(const EvaluationContext& context, Text text, bool vDetectVariable)
    {
        const VariableSnapshot variables(context);
        Evaluation(context, variables).CheckExpression(text, vDetectVariable);
        return text;
    }

    // The message of the first check the text fails; empty when it passes.
    static Text CheckFault(const EvaluationContext& context, const Text& text, bool vDetectVariable)
    {
        const VariableSnapshot variables(context);
        return Text(Evaluation(context, variables).checkFault(text, vDetectVariable));
    }

    static double FunctionValue(const EvaluationContext& context, Function function, double x)
    {
        const VariableSnapshot variables(context);
        return Evaluation(context, variables).functionValue(function, x);
    }

    static double EvaluatePostfix(const Texts& postfix)
    {
        TokenList list;
        for (const Text& token : postfix)
            list.push(list.keep(token));
        return vantor::EvaluatePostfix(std::vector<TextView>(list.begin(), list.end()));
    }

    // No list when a variable in error stopped the scan.
    static std::optional<Texts> Tokenise(const EvaluationContext& context, const Text& text,
                                         bool vDetectVariable)
    {
        const VariableSnapshot variables(context);
        const PreparedText prepared(text, vDetectVariable ? &variables : nullptr);
        const std::optional<TokenList> tokens =
            Evaluation(context, variables).Tokenise(prepared, text, vDetectVariable);
        if (!tokens)
            return std::nullopt;
        return texts(*tokens);
    }

private:
    template <class Views> static Texts texts(const Views& views)
    {
        Texts out;
        for (const TextView view : views)
            out.emplace_back(view);
        return out;
    }
};

} // namespace vantor
