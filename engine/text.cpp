#include "engine/text.h"

#include "engine/fault.h"
#include "engine/lower_case_table.h"

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
    std::vector<std::size_t> closing(text.size(), fallback);
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'(') {
            open.push_back(i);
        } else if (text[i] == u')' && !open.empty()) {
            closing[open.back()] = i + 1;
            open.pop_back();
        }
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

Text fromUtf8(std::string_view utf8)
{
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return Text(utf8.begin(), utf8.end());
    Text out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    const auto byteAt = [&](std::size_t k) { return static_cast<unsigned char>(utf8[k]); };
    while (i < utf8.size()) {
        const unsigned char lead = byteAt(i);
        char32_t code = 0;
        std::size_t extra = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            code = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            code = lead & 0x1F;
            extra = 1;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            code = lead & 0x0F;
            extra = 2;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            code = lead & 0x07;
            extra = 3;
            minimum = 0x10000;
        } else {
            out.push_back(u'\uFFFD');
            ++i;
            continue;
        }
        std::size_t k = 1;
        for (; k <= extra && i + k < utf8.size() && (byteAt(i + k) & 0xC0) == 0x80; ++k)
            code = (code << 6) | (byteAt(i + k) & 0x3F);
        if (k <= extra || code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            out.push_back(u'\uFFFD');
            i += k;
            continue;
        }
        i += k;
        if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
    }
    return out;
}

std::string toUtf8(TextView text)
{
    if (std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; }))
        return std::string(text.begin(), text.end());
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = 0xFFFD;
        }
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (code >> 18)));
            out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return out;
}

} // namespace vantor
