#pragma once

#include "engine/text.h"

#include <vector>

namespace vantor {

// A last-in, first-out stack of texts: operators and brackets while a token
// list is put in postfix order, operand values while it is evaluated.
//
// A new stack is not yet usable: call Load first. Items 0 to TopIndex are the
// stacked ones; once emptied, the array still holds its last bottom item,
// which can no longer be reached.
class cStack {
public:
    // Makes the stack empty; storage is kept.
    void Load() noexcept { m_topIndex = -1; }

    // A copy of the item becomes the new top. Beyond 32,768 items: overflow fault.
    void Push(const Text& vSItem);

    // The top item, removed. On an empty stack: subscript fault.
    Text Pop();

    // The top item, left in place. On an empty stack: subscript fault.
    Text ViewTop() const;

    int TopIndex() const noexcept { return m_topIndex; }

private:
    void checkTop() const;

    int m_topIndex = 0;
    std::vector<Text> m_items;
};

} // namespace vantor
