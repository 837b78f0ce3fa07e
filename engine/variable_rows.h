#pragma once

#include "engine/context.h"

#include <array>

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

private:
    std::array<const VariableRow*, EvaluationContext::kRows> m_byLength{};
    bool m_anyInError = false;
    bool m_bracketInName = false;
};

} // namespace vantor
