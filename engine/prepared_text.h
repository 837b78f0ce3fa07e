#pragma once

#include "engine/checks.h"
#include "engine/text.h"
#include "engine/variable_snapshot.h"

#include <optional>
#include <string_view>
#include <vector>

namespace vantor {

// The text of one evaluation after cleaning, checking and sign rewriting,
// shared by the evaluations of the function arguments in it. Each argument is
// a bracketed group of this text, evaluated where it stands instead of as a
// copy. Where each bracket closes, and where the checks would find a fault in
// an argument, is worked out once for the whole text, so deep nesting costs
// no more than the text is long.
class PreparedText {
public:
    // variables: the variable rows, when their names are known identifiers.
    PreparedText(TextView text, const VariableSnapshot* variables) noexcept
        : m_text(text), m_variables(variables)
    {
    }

    TextView text() const noexcept { return m_text; }
    std::size_t offsetOf(TextView part) const noexcept
    {
        return static_cast<std::size_t>(part.data() - m_text.data());
    }
    const VariableSnapshot* variables() const noexcept { return m_variables; }

    // The position after the bracket that closes the "(" at open; npos when none does.
    std::size_t closingAfter(std::size_t open) const;

    // Whether argumentFault can answer for the checks: not when a variable's
    // name holds a bracket and so may reach across the edges of an argument.
    bool answersChecks() const { return !m_variables || !m_variables->bracketInName(); }

    // The message the checks give for the argument [start, end), a bracketed
    // group after a function name; empty when it passes them all. The same as
    // checking a copy of it: cleaning and sign rewriting leave a part of this
    // text as it is, its brackets pair up, and each local fault lies wholly
    // inside it or not at all.
    std::u16string_view argumentFault(std::size_t start, std::size_t end) const;

private:
    TextView m_text;
    const VariableSnapshot* m_variables;
    // Worked out when first asked for.
    mutable std::vector<std::size_t> m_closing; // for each "(", the position after its ")", or npos
    mutable std::optional<checks::FaultIndex> m_faults;
};

} // namespace vantor
