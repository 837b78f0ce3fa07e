#include "engine/evaluate.h"

#include "engine/fault.h"
#include "engine/shape.h"
#include "engine/source.h"

namespace vantor {

Text cEvaluate::ExpandExponent(Text text, std::size_t position)
{
    // The whole number becomes one bracketed product, so that it stays one
    // operand. A "+" after the exponent letter, as in the 1E+15 of a value,
    // is dropped; a "-" becomes a subtraction from zero.
    std::size_t start = position;
    while (start > 0 && isNumberChar(text[start - 1]))
        --start;
    std::size_t end = position + 1;
    bool negative = false;
    if (end < text.size() && (text[end] == u'+' || text[end] == u'-')) {
        negative = text[end] == u'-';
        ++end;
    }
    const std::size_t digits = end;
    while (end < text.size() && isDigit(text[end]))
        ++end;

    Text piece = u"(";
    piece.append(text, start, position - start);
    piece += negative ? u"*10^-" : u"*10^";
    piece.append(text, digits, end - digits);
    piece += u')';
    // Only the piece can hold a new sign position ("^-"): the rest of the text
    // has been rewritten before, and rewriting it again would change nothing.
    text.replace(start, end - start, RewriteSigns(std::move(piece)));
    checkTextLength(text.size());
    return text;
}

std::optional<TokenList> cEvaluate::Tokenise(const Source& source, TextView text, bool vDetectVariable) const
{
    // The scan reads the text once, from left to right. Where it puts a value
    // in place of pi, a function call or a variable's name, or expands a
    // number's exponent, only the text from the scan position on changes, so
    // going on from there gives the tokens that a new scan from the first
    // character of the changed text would give. The text itself stays as it
    // is: a value goes straight into the token list, and only the length of
    // the changed text is counted, for its limit.
    //
    // A value is closed on both sides: it never joins the digits beside it
    // into one number, a number in it ends at its edge, and an exponent
    // letter right after it has no mantissa.
    TokenList tokens;
    tokens.reserve(16);
    bool inNumber = false;
    std::size_t length = 0;      // of the changed text before the scan position
    char16_t previous = 0;       // the character there
    bool afterValue = false;     // whether that character ends a value
    std::size_t numberFloor = 0; // no mantissa reaches back before this position of text
    std::size_t pos = 0;

    const auto remaining = [&](std::size_t from) { return text.size() - from; };
    const auto step = [&](char16_t c) {
        ++pos;
        ++length;
        previous = c;
        afterValue = false;
    };
    // A closed piece (a value, or a number with its exponent expanded) in
    // place of the covered characters; it holds digits, points, operators
    // and brackets only.
    const auto putPiece = [&](Text piece, std::size_t covered, bool isValue) {
        checkTextLength(length + piece.size() + remaining(pos + covered));
        const TextView kept = tokens.keep(std::move(piece));
        bool inPieceNumber = false;
        for (std::size_t k = 0; k < kept.size(); ++k) {
            if (isNumberChar(kept[k])) {
                if (!inPieceNumber)
                    tokens.push(kept.substr(k, 0));
                tokens.extendBack(&kept[k]);
                inPieceNumber = true;
            } else {
                tokens.push(kept.substr(k, 1));
                inPieceNumber = false;
            }
        }
        pos += covered;
        length += kept.size();
        previous = kept.back();
        afterValue = isValue;
        inNumber = false;
        numberFloor = pos;
    };

    while (pos < text.size()) {
        const char16_t c = text[pos];

        if (isNumberChar(c)) {
            if (!inNumber)
                tokens.push(text.substr(pos, 0));
            tokens.extendBack(&text[pos]);
            inNumber = true;
            step(c);
            continue;
        }

        if (isExponentLetter(c) && length > 0) {
            if (afterValue || !isDigit(previous)) {
                step(c); // dropped; a number on both sides joins into one token
                continue;
            }
            // The mantissa is the tail of the last number token.
            std::size_t start = pos;
            while (start > numberFloor && isNumberChar(text[start - 1]))
                --start;
            std::size_t end = pos + 1;
            if (end < text.size() && (text[end] == u'+' || text[end] == u'-'))
                ++end;
            while (end < text.size() && isDigit(text[end]))
                ++end;
            Text piece = ExpandExponent(Text(text.substr(start, end - start)), pos - start);
            tokens.trimBack(pos - start);
            length -= pos - start;
            pos = start;
            putPiece(std::move(piece), end - start, false);
            continue;
        }

        if (isOperator(c) || isBracket(c)) {
            tokens.push(text.substr(pos, 1));
            inNumber = false;
            step(c);
            continue;
        }

        if (shape::openingAt(text, pos)) {
            std::size_t covered = 0;
            Text value = ApplyFunctions(source, text, pos, vDetectVariable, covered);
            putPiece(std::move(value), covered, true);
            continue;
        }

        if (vDetectVariable) {
            if (const VariableTable::Row* row = source.rows()->match(text, pos)) {
                std::optional<Text> value = SpliceValue(row->expression);
                if (!value)
                    return std::nullopt;
                putPiece(std::move(*value), row->name.size(), true);
                continue;
            }
        }
        step(c); // dropped, leaving the number before it open
    }

    if (tokens.empty())
        raise(FaultKind::Subscript);
    return tokens;
}

} // namespace vantor
