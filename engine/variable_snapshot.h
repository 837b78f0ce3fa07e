#pragma once

#include "engine/context.h"

#include <array>
#include <optional>

namespace vantor {

// The five variable rows as an evaluation reads them: name and expression,
// ordered by decreasing length of name, and whether any result box shows an
// error. Nothing can change the rows while an evaluation runs, so they are
// read from the context once, when first needed, rather than at every lookup.
class VariableSnapshot {
public:
    struct Row {
        Text name;
        Text expression;
    };

    explicit VariableSnapshot(const EvaluationContext& context) noexcept : m_context(context) {}

    // The row whose name the text at pos begins with; with two candidates the
    // longer name wins. Null when none matches.
    const Row* match(TextView text, std::size_t pos) const;

    // True when any of the five result boxes, named or not, begins with "Error".
    bool anyInError() const { return rows().anyInError; }

    // True when a name holds a bracket, so that a name may reach across the
    // edges of a bracketed group.
    bool bracketInName() const { return rows().bracketInName; }

private:
    struct Rows {
        std::array<Row, EvaluationContext::kRows> rows;
        bool anyInError;
        bool bracketInName;
    };

    const Rows& rows() const;

    const EvaluationContext& m_context;
    mutable std::optional<Rows> m_rows;
};

} // namespace vantor
