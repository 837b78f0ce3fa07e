#pragma once

#include "engine/context.h"

#include <array>
#include <optional>

namespace vantor {

// The variable rows as the engine looks names up in them: by decreasing
// length of name, so that of two names where one begins the other the longer
// is found first.
class VariableRows {
public:
    explicit VariableRows(const EvaluationContext& context) noexcept;

    // The row whose name the text at pos begins with; null when none does.
    const VariableRow* match(TextView text, std::size_t pos) const noexcept;

    // True when any of the five result boxes, named or not, begins with "Error".
    bool anyInError() const noexcept { return m_anyInError; }

    // True when a name holds a bracket, so that it may reach across the edges
    // of a bracketed group.
    bool bracketInName() const noexcept { return m_bracketInName; }

    // A row's value once an evaluation has computed its expression, and how
    // deep it was nested then. Nothing changes the rows while it runs, so
    // computing it again, no deeper, gives the same value: a name used many
    // times is computed once.
    struct Known {
        double value;
        int depth;
    };
    std::optional<Known>& known(const VariableRow& row) const
    {
        return m_known[static_cast<std::size_t>(&row - m_first)];
    }

private:
    const VariableRow* m_first;
    mutable std::array<std::optional<Known>, EvaluationContext::kRows> m_known;
    std::array<const VariableRow*, EvaluationContext::kRows> m_byLength{};
    bool m_anyInError = false;
    bool m_bracketInName = false;
};

} // namespace vantor
