#include "engine/evaluate.h"

#include "engine/fault.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "engine/pipeline.h"
#include "engine/prepared_text.h"

#include <algorithm>
#include <utility>

namespace vantor {

Text cEvaluate::Evaluate(Text vIExp, bool vDetectVariable)
{
    const VariableSnapshot variables(m_context);
    const Outcome outcome = Evaluation(m_context, variables).evaluateText(std::move(vIExp), vDetectVariable);
    return outcome.message.empty() ? numberText(outcome.value) : Text(outcome.message);
}

Text CleanExpression(Text text)
{
    std::erase(text, u' ');
    toLowerCase(text);
    return text;
}

Evaluation Evaluation::nested() const
{
    if (m_depth >= cEvaluate::kMaxNesting)
        raise(FaultKind::OutOfStackSpace);
    return Evaluation(*this, m_depth + 1);
}

Outcome Evaluation::evaluateText(Text text, bool vDetectVariable) const
{
    text = CleanExpression(std::move(text));
    if (const std::u16string_view fault = checkFault(text, vDetectVariable); !fault.empty())
        return {fault};
    const Text rewritten = RewriteSigns(std::move(text));
    const PreparedText prepared(rewritten, vDetectVariable ? &m_variables : nullptr);
    return evaluateChecked(prepared, rewritten, vDetectVariable);
}

Outcome Evaluation::evaluateArgument(const PreparedText& prepared, std::size_t start, std::size_t end,
                                     bool vDetectVariable) const
{
    // Cleaning and sign rewriting would leave the argument as it is: it is a
    // part of a text they have been through.
    const TextView argument = prepared.text().substr(start, end - start);
    // A plain number in brackets, as in sin(30), is that number: it passes
    // every check and is its own postfix list.
    const TextView inner = argument.substr(1, argument.size() - 2);
    if (std::all_of(inner.begin(), inner.end(), isNumberChar) && isNumber(inner))
        return {{}, readNumber(inner)};
    const std::u16string_view fault = prepared.answersChecks() ? prepared.argumentFault(start, end)
                                                               : checkFault(argument, vDetectVariable);
    if (!fault.empty())
        return {fault};
    return evaluateChecked(prepared, argument, vDetectVariable);
}

Outcome Evaluation::evaluateChecked(const PreparedText& prepared, TextView text, bool vDetectVariable) const
{
    std::optional<TokenList> tokens = Tokenise(prepared, text, vDetectVariable);
    if (!tokens)
        return {messages::kVariableInError};
    return {{}, EvaluatePostfix(ToPostfix(*tokens))};
}

} // namespace vantor
