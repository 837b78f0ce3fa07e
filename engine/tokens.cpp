#include "engine/tokens.h"

namespace vantor {

void TokenList::joinBack(char16_t c)
{
    TextView& last = m_tokens.back();
    Text joined(last);
    joined.push_back(c);
    last = keep(std::move(joined));
}

void TokenList::trimBack(std::size_t count)
{
    TextView& last = m_tokens.back();
    last = last.substr(0, last.size() - count);
    if (last.empty())
        m_tokens.pop_back();
}

} // namespace vantor
