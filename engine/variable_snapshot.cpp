#include "engine/variable_snapshot.h"

#include "engine/messages.h"

#include <utility>

namespace vantor {

const VariableSnapshot::Rows& VariableSnapshot::rows() const
{
    if (m_rows)
        return *m_rows;
    Rows& read = m_rows.emplace(Rows{{}, false, false});
    auto& rows = read.rows;
    for (int i = 0; i < EvaluationContext::kRows; ++i) {
        Row& row = rows[static_cast<std::size_t>(i)];
        row.name = m_context.variableName(i);
        row.expression = m_context.variableExpression(i);
        read.anyInError = read.anyInError || m_context.variableResult(i).starts_with(messages::kErrorPrefix);
        read.bracketInName = read.bracketInName || row.name.find_first_of(u"()") != Text::npos;
    }
    // This exchange procedure is not a stable sort: rows whose names have equal
    // length end in the order it leaves them, which decides between two rows
    // with the same name.
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        for (std::size_t j = i + 1; j < rows.size(); ++j) {
            if (rows[i].name.size() < rows[j].name.size())
                std::swap(rows[i], rows[j]);
        }
    }
    return read;
}

const VariableSnapshot::Row* VariableSnapshot::match(TextView text, std::size_t pos) const
{
    for (const Row& row : rows().rows) {
        if (!row.name.empty() && beginsWithAt(text, pos, row.name))
            return &row;
    }
    return nullptr;
}

} // namespace vantor
