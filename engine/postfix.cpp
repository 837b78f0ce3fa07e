#include "engine/arithmetic.h"
#include "engine/cstack.h"
#include "engine/number_text.h"
#include "engine/raise.h"
#include "engine/steps.h"

namespace vantor {

namespace {

// The digits and points of a number token, without the characters the scan
// dropped between them.
Text numberChars(TextView text)
{
    Text number;
    for (const char16_t c : text) {
        if (isNumberChar(c))
            number.push_back(c);
    }
    return number;
}

bool isNumberToken(const Token& token)
{
    return token.joined ? isNumber(numberChars(token.text)) : isNumber(token.text);
}

// An operand on the evaluation stack: a number token, a value put in by
// the tokeniser, or a result. Reading it gives what reading its text gives,
// faults included, at the same moment: when it is popped. A value or a result
// is held as its number text, so it is cut to 15 significant digits then.
struct Operand {
    const Token* token = nullptr;
    double result = 0;

    double read() const
    {
        if (!token)
            return roundTo15Digits(result);
        if (token->kind == TokenKind::Value)
            return token->uncut ? roundTo15Digits(token->value) : token->value;
        // The postfix conversion has made sure it is a number.
        return token->joined ? readNumber(numberChars(token->text)) : readNumber(token->text);
    }
};

constexpr Token kOpening = Token::symbolOf(u'(');

double apply(char16_t op, double a, double b)
{
    switch (op) {
    case u'+':
        return arithmetic::add(a, b);
    case u'-':
        return arithmetic::subtract(a, b);
    case u'*':
        return arithmetic::multiply(a, b);
    case u'/':
        return arithmetic::divide(a, b);
    case u'%':
        return arithmetic::remainder(a, b);
    default:
        return arithmetic::power(a, b);
    }
}

} // namespace

bool OperatorPriority(char16_t incoming, char16_t top) noexcept
{
    // True when the top stays on the stack: it is "(", or the incoming operator
    // binds strictly tighter. Equal priorities, "^" included, apply left to right.
    const auto priority = [](char16_t op) {
        switch (op) {
        case u'^':
            return 3;
        case u'*':
        case u'/':
        case u'%':
            return 2;
        case u'+':
        case u'-':
            return 1;
        default:
            return 0;
        }
    };
    if (top == u'(')
        return true;
    const int stacked = priority(top);
    return stacked > 0 && priority(incoming) > stacked;
}

PostfixList ToPostfix(TokenList& tokens)
{
    std::pmr::memory_resource* memory = tokens.get_allocator().resource();
    cStack<const Token*> stack(tokens.size() + 2, memory);
    stack.Load();
    stack.Push(&kOpening);
    tokens.push_back(Token::symbolOf(u')'));

    PostfixList output(memory);
    output.reserve(tokens.size());
    const Token* previous = nullptr;
    for (const Token& token : tokens) {
        // A number token with two decimal points, or "." alone, is no number.
        if (token.kind == TokenKind::Number && !isNumberToken(token))
            raise(FaultKind::TypeMismatch);
        // Two operands with no operator between them: 2(3), (2)3, or a value
        // put in for pi, a function or a variable beside a number.
        if (previous && (previous->isOperand() || previous->kind == TokenKind::Close) &&
            (token.isOperand() || token.kind == TokenKind::Open))
            raise(FaultKind::Subscript);
        if (token.fault == FaultKind::TypeMismatch)
            raise(FaultKind::TypeMismatch);
        previous = &token;

        switch (token.kind) {
        case TokenKind::Number:
        case TokenKind::Value:
            output.push_back(&token);
            break;
        case TokenKind::Open:
            stack.Push(&token);
            break;
        case TokenKind::Operator: {
            const Token* top = stack.Pop();
            while (!OperatorPriority(token.symbol, top->symbol)) {
                output.push_back(top);
                top = stack.Pop();
            }
            stack.Push(top);
            stack.Push(&token);
            break;
        }
        case TokenKind::Close: {
            const Token* top = stack.Pop();
            while (top->kind != TokenKind::Open) {
                output.push_back(top);
                top = stack.Pop();
            }
            break;
        }
        }
    }
    if (output.empty())
        raise(FaultKind::Subscript);
    return output;
}

double EvaluatePostfix(const PostfixList& postfix)
{
    cStack<Operand> stack(postfix.size(), postfix.get_allocator().resource());
    stack.Load();
    for (const Token* token : postfix) {
        if (token->isOperand()) {
            // A value is computed where it stands, and its fault raised there.
            if (token->fault)
                raise(*token->fault);
            stack.Push({token});
            continue;
        }
        const double b = stack.Pop().read();
        const double a = stack.Pop().read();
        stack.Push({nullptr, apply(token->symbol, a, b)});
    }
    return stack.Pop().read();
}

} // namespace vantor
