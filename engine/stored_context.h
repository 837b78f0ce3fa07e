#pragma once

#include "engine/context.h"

#include <array>

namespace vantor {

// An evaluation context that holds its variable rows and angle unit itself,
// as plain texts: what the command-line evaluator and the tests hand to the
// engine, where the window hands its boxes.
class StoredContext : public EvaluationContext {
public:
    struct Row {
        Text name;
        Text expression;
        Text result;
    };

    Text variableName(int row) const override { return m_rows.at(static_cast<std::size_t>(row)).name; }
    Text variableExpression(int row) const override
    {
        return m_rows.at(static_cast<std::size_t>(row)).expression;
    }
    Text variableResult(int row) const override { return m_rows.at(static_cast<std::size_t>(row)).result; }
    bool degrees() const override { return m_degrees; }

    Row& row(int index) { return m_rows.at(static_cast<std::size_t>(index)); }
    const Row& row(int index) const { return m_rows.at(static_cast<std::size_t>(index)); }
    void setDegrees(bool degrees) { m_degrees = degrees; }

    // Computes row i as Enter in its expression box does: its expression,
    // evaluated without variables, becomes its result. A fault propagates and
    // leaves the result as it was.
    void computeRow(int index);

private:
    std::array<Row, kRows> m_rows;
    bool m_degrees = true;
};

} // namespace vantor
