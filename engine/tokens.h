#pragma once

#include "engine/text.h"

#include <forward_list>
#include <vector>

namespace vantor {

// The tokens of an expression: numbers (digits and points), operators and
// brackets, in order. A token is a view into the expression's text or into a
// value put in for pi, a function or a variable, which the list keeps.
class TokenList {
public:
    std::size_t size() const noexcept { return m_tokens.size(); }
    bool empty() const noexcept { return m_tokens.empty(); }
    TextView operator[](std::size_t i) const { return m_tokens[i]; }
    TextView back() const { return m_tokens.back(); }
    auto begin() const noexcept { return m_tokens.begin(); }
    auto end() const noexcept { return m_tokens.end(); }

    // A token that is a view into text that outlives the list.
    void push(TextView token) { m_tokens.push_back(token); }

    // Keeps a text the list's tokens may view; it stays where it is.
    TextView keep(Text text) { return m_kept.emplace_front(std::move(text)); }

    // Extends the last token by the character at c, which follows it in the
    // text the scan reads, or stands apart from it after a dropped character.
    void extendBack(const char16_t* c)
    {
        TextView& last = m_tokens.back();
        if (last.data() + last.size() == c)
            last = TextView(last.data(), last.size() + 1);
        else
            joinBack(*c);
    }

    void reserve(std::size_t count) { m_tokens.reserve(count); }

    // Drops the last count characters of the last token, and the token if none remain.
    void trimBack(std::size_t count);

private:
    // Digits on both sides of a dropped character join into one number.
    void joinBack(char16_t c);

    std::vector<TextView> m_tokens;
    std::forward_list<Text> m_kept; // allocates nothing until something is kept
};

} // namespace vantor
