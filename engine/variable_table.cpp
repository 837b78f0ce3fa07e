#include "engine/variable_table.h"

#include "engine/messages.h"

#include <utility>

namespace vantor {

VariableTable::VariableTable(const EvaluationContext& context)
{
    for (int i = 0; i < EvaluationContext::kRows; ++i) {
        Row& row = m_rows[static_cast<std::size_t>(i)];
        row.name = context.variableName(i);
        row.expression = context.variableExpression(i);
        m_anyInError = m_anyInError || context.variableResult(i).starts_with(messages::kErrorPrefix);
        m_bracketInName = m_bracketInName || row.name.find_first_of(u"()") != Text::npos;
    }
    // This exchange procedure is not a stable sort: rows whose names have equal
    // length end in the order it leaves them, which decides between two rows
    // with the same name.
    for (std::size_t i = 0; i + 1 < m_rows.size(); ++i) {
        for (std::size_t j = i + 1; j < m_rows.size(); ++j) {
            if (m_rows[i].name.size() < m_rows[j].name.size())
                std::swap(m_rows[i], m_rows[j]);
        }
    }
}

const VariableTable::Row* VariableTable::match(TextView text, std::size_t pos) const
{
    for (const Row& row : m_rows) {
        if (!row.name.empty() && beginsWithAt(text, pos, row.name))
            return &row;
    }
    return nullptr;
}

} // namespace vantor
