#include "engine/evaluate.h"

#include "engine/fault.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "engine/source.h"

#include <algorithm>
#include <utility>

namespace vantor {

Text cEvaluate::Evaluate(Text vIExp, bool vDetectVariable)
{
    const LazyVariableTable rows(m_context);
    const Outcome outcome =
        cEvaluate(m_context, m_depth, &rows).evaluateText(std::move(vIExp), vDetectVariable);
    return outcome.message.empty() ? numberText(outcome.value) : Text(outcome.message);
}

cEvaluate::Outcome cEvaluate::evaluateText(Text text, bool vDetectVariable) const
{
    if (m_depth > kMaxNesting)
        raise(FaultKind::OutOfStackSpace);
    CleanExpression(text);
    if (const std::u16string_view fault = checkFault(text, vDetectVariable); !fault.empty())
        return {fault};
    const Text rewritten = RewriteSigns(std::move(text));
    const Source source(rewritten, vDetectVariable ? m_rows : nullptr);
    std::optional<TokenList> tokens = Tokenise(source, rewritten, vDetectVariable);
    if (!tokens)
        return {messages::kVariableInError};
    return {{}, EvaluatePostfix(ToPostfix(*tokens))};
}

cEvaluate::Outcome cEvaluate::evaluateArgument(const Source& source, std::size_t start, std::size_t end,
                                               bool vDetectVariable) const
{
    if (m_depth > kMaxNesting)
        raise(FaultKind::OutOfStackSpace);
    // Cleaning and sign rewriting would leave the argument as it is: it is a
    // part of a text they have been through.
    const TextView argument = source.text().substr(start, end - start);
    // A plain number in brackets, as in sin(30), is that number: it passes
    // every check and is its own postfix list.
    const TextView inner = argument.substr(1, argument.size() - 2);
    if (!inner.empty() && std::all_of(inner.begin(), inner.end(), isNumberChar) && isNumber(inner))
        return {{}, readNumber(inner)};
    const std::u16string_view fault =
        source.answersChecks() ? source.argumentFault(start, end) : checkFault(argument, vDetectVariable);
    if (!fault.empty())
        return {fault};
    std::optional<TokenList> tokens = Tokenise(source, argument, vDetectVariable);
    if (!tokens)
        return {messages::kVariableInError};
    return {{}, EvaluatePostfix(ToPostfix(*tokens))};
}

Text cEvaluate::CleanExpression(Text& text)
{
    std::erase(text, u' ');
    toLowerCase(text);
    return text;
}

std::optional<Text> cEvaluate::SpliceValue(const Text& expression) const
{
    const Outcome outcome = nested().evaluateText(expression, false);
    // A message would otherwise be spliced into the expression as characters;
    // the outer evaluation answers it as the message of a variable in error.
    if (!outcome.message.empty())
        return std::nullopt;
    return valueText(outcome.value);
}

const VariableTable& cEvaluate::rows() const
{
    return m_rows->get();
}

} // namespace vantor
