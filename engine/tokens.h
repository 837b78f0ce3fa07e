#pragma once

#include "engine/fault.h"
#include "engine/text.h"

#include <cstdint>
#include <memory_resource>
#include <optional>
#include <vector>

namespace vantor {

enum class TokenKind : std::uint8_t { Number, Value, Operator, Open, Close };

// One token of an expression. A number is the digits and points the text
// holds for it; a value stands for what the tokeniser put in place of pi, a
// function call, a variable's name or a number with its exponent.
struct Token {
    // Number: the characters from its first to its last; those between that
    // are no digit or point were dropped by the scan (joined is then true).
    TextView text;
    // Value: what evaluating its number text comes to; uncut when that is a
    // product with a power of ten, which is cut to 15 digits when it is read,
    // as a result is. fault, when evaluating it fails: a type mismatch shows
    // where the postfix conversion meets the token, an overflow where the
    // evaluation reaches it.
    double value = 0;
    std::optional<FaultKind> fault;
    bool uncut = false;
    // Operator and bracket: the character.
    char16_t symbol = 0;
    TokenKind kind = TokenKind::Number;
    bool joined = false;

    static constexpr Token number(TextView text)
    {
        Token token;
        token.text = text;
        return token;
    }
    static constexpr Token symbolOf(char16_t c)
    {
        const TokenKind kind = c == u'('   ? TokenKind::Open
                               : c == u')' ? TokenKind::Close
                                           : TokenKind::Operator;
        Token token;
        token.kind = kind;
        token.symbol = c;
        return token;
    }
    static constexpr Token valueOf(double value, std::optional<FaultKind> fault = std::nullopt,
                                   bool uncut = false)
    {
        Token token;
        token.kind = TokenKind::Value;
        token.value = value;
        token.fault = fault;
        token.uncut = uncut;
        return token;
    }

    constexpr bool isOperand() const noexcept
    {
        return kind == TokenKind::Number || kind == TokenKind::Value;
    }
};

using TokenList = std::pmr::vector<Token>;
// Postfix order: the operands and operators of a token list, without brackets.
using PostfixList = std::pmr::vector<const Token*>;

} // namespace vantor
