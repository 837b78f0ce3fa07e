#include "engine/evaluation.h"

#include "engine/engine_stack.h"
#include "engine/evaluate.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "engine/raise.h"
#include "engine/steps.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory_resource>
#include <utility>

namespace vantor {

namespace {

// The tokens an argument's list is first sized for.
constexpr std::size_t kShortArgument = 32;

} // namespace

Text cEvaluate::Evaluate(Text vIExp, bool vDetectVariable)
{
    const VariableRows variables(m_context);
    const ValueOrMessage outcome =
        Evaluation(m_context, variables).evaluateText(std::move(vIExp), vDetectVariable);
    return outcome.message.empty() ? numberText(outcome.value) : Text(outcome.message);
}

int Evaluation::nestedDepth() const
{
    if (m_depth >= cEvaluate::kMaxNesting)
        raise(FaultKind::OutOfStackSpace);
    return m_depth + 1;
}

ValueOrMessage Evaluation::evaluateText(Text text, bool vDetectVariable) const
{
    text = CleanExpression(std::move(text));
    Prepared prepared{{}, vDetectVariable ? &m_variables : nullptr, {}, {}};
    if (const std::u16string_view fault =
            CheckExpression(text, prepared.faults.emplace(text, prepared.variables));
        !fault.empty())
        return {fault};
    // Rewriting only ever inserts: a text of the same length is the same
    // text, and the index of its faults still answers for its arguments.
    const std::size_t checkedLength = text.size();
    const Text rewritten = RewriteSigns(std::move(text));
    if (rewritten.size() == checkedLength)
        prepared.faults->moveTo(rewritten);
    else
        prepared.faults.reset();
    prepared.text = rewritten;
    return Evaluation(*this, &prepared, m_depth).evaluateChecked(rewritten);
}

ValueOrMessage Evaluation::evaluateArgument(std::size_t start, std::size_t end) const
{
    // Cleaning and sign rewriting would leave the argument as it is: it is a
    // part of a text they have been through.
    const TextView argument = m_prepared->text.substr(start, end - start);
    // A plain number in brackets, as in sin(30), is that number: it passes
    // every check and is its own postfix list.
    const TextView inner = argument.substr(1, argument.size() - 2);
    if (std::all_of(inner.begin(), inner.end(), isNumberChar) && isNumber(inner))
        return {{}, numberValue(inner)};
    // The index answers for the checks unless a variable's name holds a
    // bracket, and so may reach across the edges of the argument.
    const VariableRows* variables = m_prepared->variables;
    std::u16string_view fault;
    if (variables && variables->bracketInName()) {
        fault = CheckExpression(argument, variables);
    } else {
        if (!m_prepared->faults)
            m_prepared->faults.emplace(m_prepared->text, variables);
        fault = m_prepared->faults->firstFault(start, end);
    }
    if (!fault.empty())
        return {fault};
    return evaluateChecked(argument);
}

ValueOrMessage Evaluation::evaluateOnEngineStack(TextView text) const
{
    return onEngineStack([&] { return evaluateChecked(text); });
}

ValueOrMessage Evaluation::evaluateChecked(TextView text) const
{
    // Each nested evaluation comes through here: where the stack runs short,
    // the rest goes on on the engine's own (engine/engine_stack.h). Marked
    // unlikely, the check leaves the frames an exception unwinds as they
    // were: unmarked, it cost the deepest fault 8% (FunctionNest, engine_bench).
    if (!stackHasRoom()) [[unlikely]]
        return evaluateOnEngineStack(text);
    // The lists and stacks of one evaluation take their memory from a buffer
    // on the stack while it lasts, and from the heap beyond.
    std::array<std::byte, 2048> buffer; // NOLINT(cppcoreguidelines-pro-type-member-init): raw memory
    std::pmr::monotonic_buffer_resource arena(buffer.data(), buffer.size());
    TokenList tokens(&arena);
    // A token a character at most, and the ")" the postfix conversion adds.
    // An argument's own calls hold most of its characters, so it starts small.
    const bool whole = text.size() == m_prepared->text.size();
    tokens.reserve((whole ? text.size() : std::min(text.size(), kShortArgument)) + 1);
    if (const std::u16string_view message = Tokenise(*this, text, tokens); !message.empty())
        return {message};
    return {{}, EvaluatePostfix(ToPostfix(tokens))};
}

double Evaluation::ApplyFunctions(TextView text, std::size_t position, std::size_t& covered) const
{
    const FunctionEntry& entry = *openingAt(text, position);
    covered = entry.name.size();
    if (entry.function == Function::Pi)
        return functionValue(entry.function, 0, m_context.degrees);
    // The argument, brackets included, is evaluated on its own, as a whole
    // expression; a message from it is no number.
    const std::size_t open =
        static_cast<std::size_t>(text.data() - m_prepared->text.data()) + position + covered;
    if (m_prepared->closing.empty())
        m_prepared->closing = closingPositions(m_prepared->text, Text::npos);
    const std::size_t end = m_prepared->closing[open];
    // Without a closing bracket the scan for one would read empty characters
    // until its 16-bit position overflowed.
    if (end == Text::npos)
        raise(FaultKind::Overflow);
    covered += end - open;
    const ValueOrMessage argument = Evaluation(*this, m_prepared, nestedDepth()).evaluateArgument(open, end);
    if (!argument.message.empty())
        raise(FaultKind::TypeMismatch);
    // The argument's value as its number text reads back.
    return functionValue(entry.function, roundTo15Digits(argument.value), m_context.degrees);
}

const VariableRow* Evaluation::variableAt(TextView text, std::size_t position) const
{
    return m_prepared->variables ? m_prepared->variables->match(text, position) : nullptr;
}

ValueOrMessage Evaluation::SpliceValue(const VariableRow& row) const
{
    const int depth = nestedDepth();
    std::optional<VariableRows::Known>& known = m_variables.known(row);
    if (known && depth <= known->depth)
        return {{}, known->value};
    const ValueOrMessage outcome = Evaluation(*this, nullptr, depth).evaluateText(row.expression, false);
    // A message would otherwise be spliced into the expression as characters;
    // the outer evaluation answers it as the message of a variable in error.
    if (!outcome.message.empty())
        return {messages::kVariableInError};
    known = {outcome.value, depth};
    return outcome;
}

} // namespace vantor
