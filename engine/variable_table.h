#pragma once

#include "engine/context.h"

#include <array>
#include <optional>

namespace vantor {

// The five variable rows as an evaluation reads them: name and expression,
// ordered by decreasing length of name, and whether any result box shows an
// error. Nothing can change the rows while an evaluation runs, so they are
// read once, when it first needs them, rather than at every lookup.
class VariableTable {
public:
    struct Row {
        Text name;
        Text expression;
    };

    explicit VariableTable(const EvaluationContext& context);

    // The row whose name the text at pos begins with; with two candidates the
    // longer name wins. Null when none matches.
    const Row* match(TextView text, std::size_t pos) const;

    // True when any of the five result boxes, named or not, begins with "Error".
    bool anyInError() const noexcept { return m_anyInError; }

    // True when a name holds a bracket, so that a name may reach across the
    // edges of a bracketed group.
    bool bracketInName() const noexcept { return m_bracketInName; }

private:
    std::array<Row, EvaluationContext::kRows> m_rows;
    bool m_anyInError = false;
    bool m_bracketInName = false;
};

// The rows of an evaluation, read from the context when first needed.
class LazyVariableTable {
public:
    explicit LazyVariableTable(const EvaluationContext& context) noexcept : m_context(context) {}

    const VariableTable& get() const
    {
        if (!m_table)
            m_table.emplace(m_context);
        return *m_table;
    }

private:
    const EvaluationContext& m_context;
    mutable std::optional<VariableTable> m_table;
};

} // namespace vantor
