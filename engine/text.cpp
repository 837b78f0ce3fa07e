#include "engine/text.h"

#include "engine/lower_case_table.h"
#include "engine/raise.h"

#include <algorithm>
#include <iterator>

namespace vantor {

void checkTextLength(std::size_t length)
{
    if (length >= kTextLimit)
        raise(FaultKind::Overflow);
}

std::vector<std::size_t> closingPositions(TextView text, std::size_t fallback)
{
    // The brackets still open are a stack kept in the entries of the
    // brackets themselves: each holds the position of the one open before it.
    constexpr std::size_t kNone = Text::npos;
    std::vector<std::size_t> closing(text.size(), fallback);
    std::size_t open = kNone;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'(') {
            closing[i] = open;
            open = i;
        } else if (text[i] == u')' && open != kNone) {
            const std::size_t below = closing[open];
            closing[open] = i + 1;
            open = below;
        }
    }
    while (open != kNone) {
        const std::size_t below = closing[open];
        closing[open] = fallback;
        open = below;
    }
    return closing;
}

namespace {

using lower_case::kRuns;

// The search below needs the runs in order, none overlapping the next.
static_assert(std::ranges::adjacent_find(kRuns, [](const lower_case::Run& a, const lower_case::Run& b) {
                  return b.first <= a.last;
              }) == std::ranges::end(kRuns));

// The lower case of one 16-bit character by the table generated from the
// Unicode data. Surrogates are in no run: each half of a pair stays as it is.
char16_t lowerByTable(char16_t c) noexcept
{
    // The last run that begins at or before c.
    const auto* after = std::ranges::upper_bound(kRuns, c, {}, &lower_case::Run::first);
    if (after == std::ranges::begin(kRuns))
        return c;
    const lower_case::Run& run = *(after - 1);
    const int offset = c - run.first;
    if (c > run.last || offset % run.step != 0)
        return c;
    return static_cast<char16_t>(run.lower + offset);
}

} // namespace

void toLowerCase(Text& text)
{
    for (char16_t& c : text) {
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
        else if (c >= 0x80)
            c = lowerByTable(c);
    }
}

Text CleanExpression(Text text)
{
    std::erase(text, kBlank);
    toLowerCase(text);
    return text;
}

} // namespace vantor
