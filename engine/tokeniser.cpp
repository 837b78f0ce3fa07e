#include "engine/evaluate.h"

#include "engine/fault.h"
#include "engine/function_table.h"

namespace vantor {

cEvaluate::Expansion cEvaluate::ExpandExponent(Text& text, std::size_t position, std::size_t first,
                                               std::size_t last)
{
    // The whole number becomes one bracketed product, so that it stays one
    // operand: 2e3 becomes (2*10^3), 1.5E-05 becomes (1.5*10^(0-05)). A "+"
    // after the exponent letter, as in the 1E+15 of a substituted value, is dropped.
    std::size_t start = position;
    while (start > first && isNumberChar(text[start - 1]))
        --start;
    std::size_t end = position + 1;
    bool negative = false;
    if (end < text.size() && (text[end] == u'+' || text[end] == u'-')) {
        negative = text[end] == u'-';
        ++end;
    }
    const std::size_t digits = end;
    const std::size_t limit = std::min(last, text.size());
    while (end < limit && isDigit(text[end]))
        ++end;

    Text piece = u"(";
    piece.append(text, start, position - start);
    piece += negative ? u"*10^-" : u"*10^";
    piece.append(text, digits, end - digits);
    piece += u')';
    // Only the piece can hold a new sign position ("^-"): the rest of the text
    // was rewritten before the scan, so rewriting the whole text again would
    // change nothing else.
    piece = RewriteSigns(std::move(piece));

    checkTextLength(text.size() - (end - start) + piece.size());
    text.replace(start, end - start, piece);
    return {start, end - start, piece.size()};
}

std::optional<TokenList> cEvaluate::Tokenise(Text& text, bool vDetectVariable) const
{
    // The scan reads the text from left to right. A substitution replaces text
    // at the scan position only, so going on from there yields the same tokens
    // as a rescan from the first character would: the text before it is
    // unchanged. A substituted value is kept apart from what stands beside it:
    // it never joins the digits on either side into one number.
    TokenList tokens;
    bool inNumber = false;
    std::size_t valueStart = 0; // the last substituted value, [valueStart, valueEnd)
    std::size_t valueEnd = Text::npos;

    const auto substituted = [&](std::size_t start, std::size_t length) {
        valueStart = start;
        valueEnd = start + length;
        inNumber = false;
    };

    std::size_t pos = 0;
    while (pos < text.size()) {
        if (pos == valueEnd)
            inNumber = false;
        const char16_t c = text[pos];

        if (isNumberChar(c)) {
            if (!inNumber)
                tokens.emplace_back();
            tokens.back().push_back(c);
            inNumber = true;
            ++pos;
            continue;
        }

        if (isExponentLetter(c) && pos > 0) {
            // A substituted value is closed on both sides: a number in it
            // ends at its edge, and none outside reaches into it.
            const bool inValue = valueEnd != Text::npos && pos < valueEnd;
            const std::size_t first = inValue ? valueStart : valueEnd != Text::npos ? valueEnd : 0;
            if (pos == first || !isDigit(text[pos - 1])) {
                ++pos; // dropped; a number on both sides joins into one token
                continue;
            }
            const Expansion expansion = ExpandExponent(text, pos, first, inValue ? valueEnd : Text::npos);
            Text& mantissaToken = tokens.back();
            mantissaToken.resize(mantissaToken.size() - (pos - expansion.start));
            if (mantissaToken.empty())
                tokens.pop_back();
            if (inValue)
                valueEnd = valueEnd - expansion.replacedLength + expansion.length;
            pos = expansion.start;
            inNumber = false;
            continue;
        }

        if (isOperator(c) || isBracket(c)) {
            tokens.emplace_back(1, c);
            inNumber = false;
            ++pos;
            continue;
        }

        bool opensFunction = false;
        for (const FunctionEntry& entry : kFunctions)
            opensFunction = opensFunction || beginsWithAt(text, pos, entry.opening);
        if (opensFunction) {
            substituted(pos, ApplyFunctions(text, pos, vDetectVariable));
            continue;
        }

        if (vDetectVariable) {
            const Rows rows = rowsByNameLength(&EvaluationContext::variableExpression);
            const NamedText* match = nullptr;
            for (const NamedText& row : rows) {
                if (!row.name.empty() && beginsWithAt(text, pos, row.name)) {
                    match = &row;
                    break;
                }
            }
            if (match) {
                const std::optional<std::size_t> length =
                    SpliceValue(text, match->text, pos, match->name.size());
                if (!length)
                    return std::nullopt;
                substituted(pos, *length);
                continue;
            }
        }
        ++pos; // dropped, leaving the number before it open
    }

    if (tokens.empty())
        raise(FaultKind::Subscript);
    return tokens;
}

} // namespace vantor
