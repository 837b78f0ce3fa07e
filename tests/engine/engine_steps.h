#pragma once

#include "engine/evaluate.h"
#include "engine/source.h"

#include <optional>
#include <vector>

namespace vantor {

// The tests' window onto cEvaluate's private steps. Positions count from 0;
// token lists are lists of texts.
struct EngineSteps {
    using Texts = std::vector<Text>;

    static Text CleanExpression(Text text) { return cEvaluate::CleanExpression(text); }
    static Text RewriteSigns(Text text) { return cEvaluate::RewriteSigns(std::move(text)); }
    static Text ExpandExponent(Text text, std::size_t position)
    {
        return cEvaluate::ExpandExponent(std::move(text), position);
    }

    static Texts ToPostfix(const Texts& tokens)
    {
        TokenList list;
        for (const Text& token : tokens)
            list.push(list.keep(token));
        return texts(cEvaluate::ToPostfix(list));
    }

    // The text as the checks leave it: unchanged when it passes, else the message.
    static Text CheckExpression(const EvaluationContext& context, Text text, bool vDetectVariable)
    {
        const LazyVariableTable rows(context);
        cEvaluate(context, 0, &rows).CheckExpression(text, vDetectVariable);
        return text;
    }

    // The message of the first check the text fails; empty when it passes.
    static Text CheckFault(const EvaluationContext& context, const Text& text, bool vDetectVariable)
    {
        const LazyVariableTable rows(context);
        return Text(cEvaluate(context, 0, &rows).checkFault(text, vDetectVariable));
    }

    static double FunctionValue(const EvaluationContext& context, Function function, double x)
    {
        return cEvaluate(context).functionValue(function, x);
    }

    static double EvaluatePostfix(const Texts& postfix)
    {
        TokenList list;
        for (const Text& token : postfix)
            list.push(list.keep(token));
        return cEvaluate::EvaluatePostfix(std::vector<TextView>(list.begin(), list.end()));
    }

    // No list when a variable in error stopped the scan.
    static std::optional<Texts> Tokenise(const EvaluationContext& context, const Text& text,
                                         bool vDetectVariable)
    {
        const LazyVariableTable rows(context);
        const cEvaluate engine(context, 0, &rows);
        const Source source(text, vDetectVariable ? &rows : nullptr);
        const std::optional<TokenList> tokens = engine.Tokenise(source, text, vDetectVariable);
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
