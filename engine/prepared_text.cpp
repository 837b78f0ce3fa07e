#include "engine/prepared_text.h"

namespace vantor {

std::size_t PreparedText::closingAfter(std::size_t open) const
{
    if (m_closing.empty())
        m_closing = closingPositions(m_text, Text::npos);
    return m_closing[open];
}

std::u16string_view PreparedText::argumentFault(std::size_t start, std::size_t end) const
{
    if (!m_faults)
        m_faults.emplace(m_text, m_variables);
    return m_faults->firstFault(start, end);
}

} // namespace vantor
