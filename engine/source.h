#pragma once

#include "engine/text.h"
#include "engine/variable_table.h"

#include <optional>
#include <string_view>
#include <vector>

namespace vantor {

// The text of one evaluation after cleaning, checking and sign rewriting,
// shared by the evaluations of the function arguments in it. Each argument is
// a bracketed group of this text, evaluated where it stands instead of as a
// copy. What the checks would find in an argument, and where each bracket
// closes, is worked out once for the whole text, so deep nesting costs no
// more than the text is long.
class Source {
public:
    // rows: the variable rows, when variables are known identifiers.
    Source(TextView text, const LazyVariableTable* rows) noexcept : m_text(text), m_rows(rows) {}

    TextView text() const noexcept { return m_text; }
    std::size_t offsetOf(TextView part) const noexcept
    {
        return static_cast<std::size_t>(part.data() - m_text.data());
    }
    const VariableTable* rows() const { return m_rows ? &m_rows->get() : nullptr; }

    // The position after the bracket that closes the "(" at open; npos when none does.
    std::size_t closingAfter(std::size_t open) const;

    // Whether argumentFault can answer for the checks: not when a variable's
    // name holds a bracket and so may reach across the edges of an argument.
    // Short texts are cheaper to check again than to index.
    bool answersChecks() const
    {
        return m_text.size() >= kIndexedLength && (!m_rows || !m_rows->get().bracketInName());
    }

    // The message the checks give for the argument [start, end), a bracketed
    // group after a function name; empty when it passes them all. The same as
    // checking a copy of it: cleaning and sign rewriting leave a part of this
    // text as it is, its brackets pair up, and each local fault lies wholly
    // inside it or not at all.
    std::u16string_view argumentFault(std::size_t start, std::size_t end) const;

private:
    static constexpr std::size_t kIndexedLength = 64;

    struct Index {
        std::vector<std::size_t> closing; // for each "(", the position after its ")", or npos
        // Positions of each kind of fault, ascending, in the order the checks look for them.
        std::vector<std::size_t> operatorPairs;
        std::vector<std::size_t> bracketPairs;
        std::vector<std::size_t> bareNames;
        std::vector<std::size_t> looseExponents;
        std::vector<std::size_t> identifierFaults;
        std::vector<std::u16string_view> identifierMessages;
    };

    const Index& index() const;

    TextView m_text;
    const LazyVariableTable* m_rows;
    mutable std::optional<Index> m_index;
};

} // namespace vantor
