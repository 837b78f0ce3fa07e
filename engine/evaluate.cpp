#include "engine/evaluate.h"

#include "engine/evaluation.h"
#include "engine/number_text.h"
#include "engine/steps.h"

#include <utility>

namespace vantor {

Text cEvaluate::Evaluate(Text vIExp, bool vDetectVariable)
{
    const VariableRows variables(m_context);
    const Outcome outcome = Evaluation(m_context, variables).evaluateText(std::move(vIExp), vDetectVariable);
    return outcome.message.empty() ? numberText(outcome.value) : Text(outcome.message);
}

Text CleanExpression(Text text)
{
    std::erase(text, kBlank);
    toLowerCase(text);
    return text;
}

} // namespace vantor
