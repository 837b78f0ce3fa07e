#pragma once

#include "engine/raise.h"

#include <cstddef>
#include <memory_resource>
#include <vector>

namespace vantor {

// A last-in, first-out stack: operators and brackets while a token list is
// put in postfix order, operand texts while it is evaluated.
//
// A new stack is not yet usable: call Load first. Items 0 to TopIndex are the
// stacked ones; once emptied, the array still holds its last bottom item,
// which can no longer be reached.
template <class Item> class cStack {
public:
    static constexpr int kLastIndex = 32767;

    cStack() = default;
    // Room for this many items, so that pushing them allocates once, from memory.
    explicit cStack(std::size_t expected,
                    std::pmr::memory_resource* memory = std::pmr::get_default_resource())
        : m_items(memory)
    {
        m_items.reserve(expected);
    }

    // Makes the stack empty; storage is kept.
    void Load() noexcept { m_topIndex = -1; }

    // A copy of the item becomes the new top. Beyond 32,768 items: overflow fault.
    void Push(const Item& vSItem)
    {
        if (m_topIndex >= kLastIndex)
            raise(FaultKind::Overflow);
        ++m_topIndex;
        // Resizes the array to items 0 to TopIndex, keeping those below.
        const auto top = static_cast<std::size_t>(m_topIndex);
        if (top == m_items.size()) {
            m_items.push_back(vSItem);
        } else {
            m_items.resize(top + 1);
            m_items[top] = vSItem;
        }
    }

    // The top item, removed. On an empty stack: subscript fault.
    Item Pop()
    {
        checkTop();
        Item item = m_items[static_cast<std::size_t>(m_topIndex)];
        --m_topIndex;
        // Resizes the array to items 0 to TopIndex; an emptied stack keeps its bottom item.
        if (m_topIndex >= 0)
            m_items.resize(static_cast<std::size_t>(m_topIndex) + 1);
        return item;
    }

    // The top item, left in place. On an empty stack: subscript fault.
    Item ViewTop() const
    {
        checkTop();
        return m_items[static_cast<std::size_t>(m_topIndex)];
    }

    int TopIndex() const noexcept { return m_topIndex; }

private:
    void checkTop() const
    {
        if (m_topIndex < 0 || static_cast<std::size_t>(m_topIndex) >= m_items.size())
            raise(FaultKind::Subscript);
    }

    int m_topIndex = 0;
    std::pmr::vector<Item> m_items;
};

} // namespace vantor
