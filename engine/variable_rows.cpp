#include "engine/variable_rows.h"

#include "engine/messages.h"

#include <utility>

namespace vantor {

VariableRows::VariableRows(const EvaluationContext& context) noexcept : m_first(context.rows.data())
{
    for (std::size_t i = 0; i < m_byLength.size(); ++i) {
        const VariableRow& row = context.rows[i];
        m_byLength[i] = &row;
        m_anyInError = m_anyInError || row.result.starts_with(messages::kErrorPrefix);
        m_bracketInName = m_bracketInName || row.name.find_first_of(u"()") != Text::npos;
    }
    // This exchange procedure is not a stable sort: rows whose names have equal
    // length end in the order it leaves them, which decides between two rows
    // with the same name.
    for (std::size_t i = 0; i + 1 < m_byLength.size(); ++i) {
        for (std::size_t j = i + 1; j < m_byLength.size(); ++j) {
            if (m_byLength[i]->name.size() < m_byLength[j]->name.size())
                std::swap(m_byLength[i], m_byLength[j]);
        }
    }
}

const VariableRow* VariableRows::match(TextView text, std::size_t pos) const noexcept
{
    for (const VariableRow* row : m_byLength) {
        if (!row->name.empty() && beginsWithAt(text, pos, row->name))
            return row;
    }
    return nullptr;
}

} // namespace vantor
