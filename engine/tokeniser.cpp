#include "engine/arithmetic.h"
#include "engine/evaluation.h"
#include "engine/number_text.h"
#include "engine/raise.h"
#include "engine/steps.h"

namespace vantor {

namespace {

// What "(m*10^e)" comes to, the bracketed product a number's exponent letter
// stands for, computed as the evaluation computes it: the power is cut to 15
// significant digits as the product reads it; the product, a result, is cut
// when it is read in its turn.
double ExpandExponent(double mantissa, double exponent)
{
    return arithmetic::multiply(mantissa, roundTo15Digits(arithmetic::power(10, exponent)));
}

// A value for the token list, with the fault its reading raises when it must
// raise one: a value that is put in is read as it is computed.
template <class Compute> Token valueToken(Compute compute, bool uncut)
{
    try {
        return Token::valueOf(compute(), std::nullopt, uncut);
    } catch (const Fault& fault) {
        return Token::valueOf(0, fault.kind());
    }
}

// A value put in for pi, a function call or a variable, as reading it in its
// number text gives it: a negative one is written "(0" text ")", and a number
// in exponent form stands for the product its exponent letter expands to,
// 1.5E-05 for (1.5*10^(0-05)). length: the characters that text takes.
Token substitutedValue(double value, std::size_t& length)
{
    const NumberParts parts = numberParts(value);
    length = parts.length + (parts.negative ? 3 : 0);
    // In exponent form "(" "*10^" ")" take the place of "E" and its sign, and
    // a negative power is written "(0-" power ")".
    if (parts.exponentForm)
        length += parts.exponent < 0 ? 8 : 4;
    const bool product = parts.exponentForm && !parts.negative;
    return valueToken(
        [&] {
            const double magnitude =
                parts.exponentForm ? ExpandExponent(parts.figures, parts.exponent) : parts.figures;
            // "(0-" value ")" reads the value at once.
            return parts.negative ? 0 - roundTo15Digits(magnitude) : magnitude;
        },
        product);
}

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
    Scan(const Evaluation& evaluation, TextView text, TokenList& tokens)
        : m_evaluation(evaluation), m_text(text), m_tokens(tokens)
    {
    }

    bool done() const noexcept { return m_pos == m_text.size(); }

    // Reads what stands at the scan position; the message of a variable in
    // error when it is one, which ends the scan.
    std::u16string_view step()
    {
        const char16_t c = m_text[m_pos];
        if (isNumberChar(c))
            readNumberCharacter();
        else if (isExponentLetter(c) && m_length > 0)
            readExponentLetter();
        else if (isOperator(c) || isBracket(c))
            readSymbol();
        else if (openingAt(m_text, m_pos))
            substituteFunction();
        else if (const VariableRow* row = m_evaluation.variableAt(m_text, m_pos))
            return substituteVariable(*row);
        else
            advance(); // dropped: a number before it stays open
        return {};
    }

private:
    // A digit or a point extends the number token being read, or starts one.
    void readNumberCharacter()
    {
        if (!m_inNumber) {
            m_tokens.push_back(Token::number(m_text.substr(m_pos, 1)));
        } else {
            Token& last = m_tokens.back();
            const std::size_t begin = offsetOf(last.text);
            last.joined = last.joined || begin + last.text.size() != m_pos;
            last.text = m_text.substr(begin, m_pos + 1 - begin);
        }
        m_inNumber = true;
        advance();
    }

    void readSymbol()
    {
        m_tokens.push_back(Token::symbolOf(m_text[m_pos]));
        m_inNumber = false;
        advance();
    }

    // After a digit, the number with its exponent becomes one value in place
    // of the number; elsewhere the letter is dropped, and a number on both
    // sides joins into one token.
    void readExponentLetter()
    {
        if (m_afterPiece || !isDigit(m_text[m_pos - 1])) {
            advance();
            return;
        }
        // The mantissa is the tail of the last number token.
        std::size_t start = m_pos;
        while (start > m_numberFloor && isNumberChar(m_text[start - 1]))
            --start;
        std::size_t end = m_pos + 1;
        while (end < m_text.size() && isDigit(m_text[end]))
            ++end;
        const TextView mantissa = m_text.substr(start, m_pos - start);
        const TextView exponent = m_text.substr(m_pos + 1, end - m_pos - 1);

        Token& last = m_tokens.back();
        const std::size_t begin = offsetOf(last.text);
        if (begin == start)
            m_tokens.pop_back();
        else
            last.text = m_text.substr(begin, start - begin);
        m_length -= mantissa.size();
        m_pos = start;
        // "(" mantissa "*10^" exponent ")"
        const Token value =
            isNumber(mantissa)
                ? valueToken([&] { return ExpandExponent(numberValue(mantissa), numberValue(exponent)); },
                             true)
                : Token::valueOf(0, FaultKind::TypeMismatch);
        putPiece(value, mantissa.size() + exponent.size() + 6, end - start);
    }

    void substituteFunction()
    {
        std::size_t covered = 0;
        const double value = m_evaluation.ApplyFunctions(m_text, m_pos, covered);
        std::size_t length = 0;
        const Token token = substitutedValue(value, length);
        putPiece(token, length, covered);
    }

    std::u16string_view substituteVariable(const VariableRow& row)
    {
        const ValueOrMessage outcome = m_evaluation.SpliceValue(row);
        if (!outcome.message.empty())
            return outcome.message;
        std::size_t length = 0;
        const Token token = substitutedValue(outcome.value, length);
        putPiece(token, length, row.name.size());
        return {};
    }

    void advance()
    {
        ++m_pos;
        ++m_length;
        m_afterPiece = false;
    }

    // A value whose text, length characters long, takes the place of the
    // covered characters.
    void putPiece(const Token& value, std::size_t length, std::size_t covered)
    {
        checkTextLength(m_length + length + (m_text.size() - m_pos - covered));
        m_tokens.push_back(value);
        m_pos += covered;
        m_length += length;
        m_afterPiece = true;
        m_inNumber = false;
        m_numberFloor = m_pos;
    }

    std::size_t offsetOf(TextView part) const noexcept
    {
        return static_cast<std::size_t>(part.data() - m_text.data());
    }

    const Evaluation& m_evaluation;
    const TextView m_text;
    TokenList& m_tokens;

    std::size_t m_pos = 0;
    std::size_t m_length = 0;      // of the changed text before the scan position
    bool m_afterPiece = false;     // whether a value ends there
    bool m_inNumber = false;       // whether a number character extends the last token
    std::size_t m_numberFloor = 0; // no mantissa reaches back before this position of the text
};

} // namespace

std::u16string_view Tokenise(const Evaluation& evaluation, TextView text, TokenList& tokens)
{
    Scan scan(evaluation, text, tokens);
    while (!scan.done()) {
        if (const std::u16string_view message = scan.step(); !message.empty())
            return message;
    }
    if (tokens.empty())
        raise(FaultKind::Subscript);
    return {};
}

} // namespace vantor
