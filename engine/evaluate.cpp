#include "engine/evaluate.h"

#include "engine/fault.h"
#include "engine/messages.h"
#include "engine/number_text.h"

#include <algorithm>
#include <utility>

namespace vantor {

Text cEvaluate::Evaluate(Text vIExp, bool vDetectVariable)
{
    if (m_depth > kMaxNesting)
        raise(FaultKind::OutOfStackSpace);

    CleanExpression(vIExp);
    if (CheckExpression(vIExp, vDetectVariable))
        return vIExp;
    vIExp = RewriteSigns(std::move(vIExp));
    std::optional<TokenList> tokens = Tokenise(vIExp, vDetectVariable);
    if (!tokens)
        return Text(messages::kVariableInError);
    const TokenList postfix = ToPostfix(*tokens);
    return numberText(EvaluatePostfix(postfix));
}

Text cEvaluate::CleanExpression(Text& text)
{
    std::erase(text, u' ');
    toLowerCase(text);
    return text;
}

std::optional<std::size_t> cEvaluate::SpliceValue(Text& text, const Text& expression, std::size_t position,
                                                  std::size_t nameLength) const
{
    Text value = nested().Evaluate(expression, false);
    // A message would otherwise be spliced into the expression as characters;
    // the outer evaluation answers it as the message of a variable in error.
    if (value.starts_with(messages::kErrorPrefix))
        return std::nullopt;
    if (value.starts_with(u'-'))
        value = u"(0" + value + u")";
    checkTextLength(text.size() - nameLength + value.size());
    text.replace(position, nameLength, value);
    return value.size();
}

cEvaluate::Rows cEvaluate::rowsByNameLength(Text (EvaluationContext::*second)(int) const) const
{
    Rows rows;
    for (int i = 0; i < EvaluationContext::kRows; ++i)
        rows[static_cast<std::size_t>(i)] = {m_context.variableName(i), (m_context.*second)(i)};
    // This exchange procedure is not a stable sort: rows whose names have equal
    // length end in the order it leaves them, which decides between two rows
    // with the same name.
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        for (std::size_t j = i + 1; j < rows.size(); ++j) {
            if (rows[i].name.size() < rows[j].name.size())
                std::swap(rows[i], rows[j]);
        }
    }
    return rows;
}

} // namespace vantor
