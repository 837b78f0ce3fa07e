#include "engine/cstack.h"

#include "engine/fault.h"

namespace vantor {

namespace {
constexpr int kLastIndex = 32767;
}

void cStack::Push(const Text& vSItem)
{
    if (m_topIndex >= kLastIndex)
        raise(FaultKind::Overflow);
    ++m_topIndex;
    m_items.resize(static_cast<std::size_t>(m_topIndex) + 1);
    m_items[static_cast<std::size_t>(m_topIndex)] = vSItem;
}

void cStack::checkTop() const
{
    if (m_topIndex < 0 || static_cast<std::size_t>(m_topIndex) >= m_items.size())
        raise(FaultKind::Subscript);
}

Text cStack::Pop()
{
    checkTop();
    Text item = std::move(m_items[static_cast<std::size_t>(m_topIndex)]);
    --m_topIndex;
    if (m_topIndex >= 0)
        m_items.resize(static_cast<std::size_t>(m_topIndex) + 1);
    return item;
}

Text cStack::ViewTop() const
{
    checkTop();
    return m_items[static_cast<std::size_t>(m_topIndex)];
}

} // namespace vantor
