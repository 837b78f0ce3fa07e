#include "engine/fault.h"
#include "engine/pipeline.h"
#include "engine/prepared_text.h"

namespace vantor {

namespace {

// The scan reads the text once, from left to right. Where it puts a value in
// place of pi, a function call or a variable's name, or expands a number's
// exponent, only the text from the scan position on changes, so going on
// from there gives the tokens that a new scan from the first character of the
// changed text would give. The text itself stays as it is: a value goes
// straight into the token list, and only the length of the changed text is
// counted, for its limit.
//
// A value is closed on both sides: it never joins the digits beside it into
// one number, a number in it ends at its edge, and an exponent letter right
// after it has no mantissa.
class Scan {
public:
    Scan(const Evaluation& evaluation, const PreparedText& prepared, TextView text, bool vDetectVariable)
        : m_evaluation(evaluation), m_prepared(prepared), m_text(text), m_detectVariable(vDetectVariable)
    {
        m_tokens.reserve(16);
    }

    bool done() const noexcept { return m_pos == m_text.size(); }

    // Reads what stands at the scan position; false when it is a variable
    // whose expression gives a message, which ends the scan.
    bool step()
    {
        const char16_t c = m_text[m_pos];
        if (isNumberChar(c))
            readNumberCharacter();
        else if (isExponentLetter(c) && m_length > 0)
            readExponentLetter();
        else if (isOperator(c) || isBracket(c))
            readOperatorOrBracket();
        else if (openingAt(m_text, m_pos))
            substituteFunction();
        else if (const VariableSnapshot::Row* row = m_detectVariable ? variableAt() : nullptr)
            return substituteVariable(*row);
        else
            drop();
        return true;
    }

    TokenList tokens() &&
    {
        if (m_tokens.empty())
            raise(FaultKind::Subscript);
        return std::move(m_tokens);
    }

private:
    // A digit or a point extends the number token being read, or starts one.
    void readNumberCharacter()
    {
        if (!m_inNumber)
            m_tokens.push(m_text.substr(m_pos, 0));
        m_tokens.extendBack(&m_text[m_pos]);
        m_inNumber = true;
        advance();
    }

    void readOperatorOrBracket()
    {
        m_tokens.push(m_text.substr(m_pos, 1));
        m_inNumber = false;
        advance();
    }

    // After a digit, the number with its exponent expanded in place of the
    // number; elsewhere the letter is dropped, and a number on both sides
    // joins into one token.
    void readExponentLetter()
    {
        if (m_afterValue || !isDigit(m_previous)) {
            drop();
            return;
        }
        // The mantissa is the tail of the last number token.
        std::size_t start = m_pos;
        while (start > m_numberFloor && isNumberChar(m_text[start - 1]))
            --start;
        const std::size_t end = exponentEnd(m_text, m_pos);
        Text piece = ExpandExponent(Text(m_text.substr(start, end - start)), m_pos - start);
        m_tokens.trimBack(m_pos - start);
        m_length -= m_pos - start;
        m_pos = start;
        putPiece(std::move(piece), end - start, false);
    }

    void substituteFunction()
    {
        std::size_t covered = 0;
        Text value = m_evaluation.ApplyFunctions(m_prepared, m_text, m_pos, m_detectVariable, covered);
        putPiece(std::move(value), covered, true);
    }

    const VariableSnapshot::Row* variableAt() const { return m_prepared.variables()->match(m_text, m_pos); }

    bool substituteVariable(const VariableSnapshot::Row& row)
    {
        std::optional<Text> value = m_evaluation.SpliceValue(row.expression);
        if (!value)
            return false;
        putPiece(std::move(*value), row.name.size(), true);
        return true;
    }

    // A character the scan passes over, leaving the number before it open.
    void drop() { advance(); }

    void advance()
    {
        m_previous = m_text[m_pos];
        ++m_pos;
        ++m_length;
        m_afterValue = false;
    }

    // A closed piece (a value, or a number with its exponent expanded) in
    // place of the covered characters; it holds digits, points, operators
    // and brackets only.
    void putPiece(Text piece, std::size_t covered, bool isValue)
    {
        checkTextLength(m_length + piece.size() + (m_text.size() - m_pos - covered));
        const TextView kept = m_tokens.keep(std::move(piece));
        bool inPieceNumber = false;
        for (std::size_t k = 0; k < kept.size(); ++k) {
            if (isNumberChar(kept[k])) {
                if (!inPieceNumber)
                    m_tokens.push(kept.substr(k, 0));
                m_tokens.extendBack(&kept[k]);
                inPieceNumber = true;
            } else {
                m_tokens.push(kept.substr(k, 1));
                inPieceNumber = false;
            }
        }
        m_pos += covered;
        m_length += kept.size();
        m_previous = kept.back();
        m_afterValue = isValue;
        m_inNumber = false;
        m_numberFloor = m_pos;
    }

    const Evaluation& m_evaluation;
    const PreparedText& m_prepared;
    const TextView m_text;
    const bool m_detectVariable;

    TokenList m_tokens;
    std::size_t m_pos = 0;
    std::size_t m_length = 0;      // of the changed text before the scan position
    char16_t m_previous = 0;       // the character there
    bool m_afterValue = false;     // whether that character ends a value
    bool m_inNumber = false;       // whether a number character extends the last token
    std::size_t m_numberFloor = 0; // no mantissa reaches back before this position of the text
};

} // namespace

std::optional<TokenList> Evaluation::Tokenise(const PreparedText& prepared, TextView text,
                                              bool vDetectVariable) const
{
    Scan scan(*this, prepared, text, vDetectVariable);
    while (!scan.done()) {
        if (!scan.step())
            return std::nullopt;
    }
    return std::move(scan).tokens();
}

} // namespace vantor
