#include "engine/evaluate.h"

#include "engine/arithmetic.h"
#include "engine/cstack.h"
#include "engine/fault.h"
#include "engine/number_text.h"

namespace vantor {

namespace {

enum class TokenKind { Number, Operator, Open, Close };

TokenKind kindOf(const Text& token)
{
    const char16_t c = token.front();
    if (c == u'(')
        return TokenKind::Open;
    if (c == u')')
        return TokenKind::Close;
    if (isOperator(c))
        return TokenKind::Operator;
    return TokenKind::Number;
}

bool isOperatorToken(const Text& token)
{
    return token.size() == 1 && isOperator(token.front());
}

} // namespace

bool cEvaluate::OperatorPriority(TextView incoming, TextView top) noexcept
{
    // True when the top stays on the stack: it is "(", or the incoming operator
    // binds strictly tighter. Equal priorities, "^" included, apply left to right.
    if (top == u"(")
        return true;
    if (incoming == u"^")
        return top == u"/" || top == u"*" || top == u"%" || top == u"+" || top == u"-";
    if (incoming == u"/" || incoming == u"*" || incoming == u"%")
        return top == u"-" || top == u"+";
    return false;
}

TokenList cEvaluate::ToPostfix(TokenList& tokens)
{
    cStack stack;
    stack.Load();
    stack.Push(u"(");
    tokens.emplace_back(u")");

    TokenList output;
    const Text* previous = nullptr;
    for (const Text& token : tokens) {
        const TokenKind kind = kindOf(token);
        // A number token with two decimal points, or "." alone, is no number.
        if (kind == TokenKind::Number && !isNumber(token))
            raise(FaultKind::TypeMismatch);
        // Two operands with no operator between them: 2(3), (2)3, or a value
        // put in for pi, a function or a variable beside a number.
        if (previous && (kindOf(*previous) == TokenKind::Number || kindOf(*previous) == TokenKind::Close) &&
            (kind == TokenKind::Number || kind == TokenKind::Open))
            raise(FaultKind::Subscript);
        previous = &token;

        switch (kind) {
        case TokenKind::Number:
            output.push_back(token);
            break;
        case TokenKind::Open:
            stack.Push(token);
            break;
        case TokenKind::Operator: {
            Text top = stack.Pop();
            while (!OperatorPriority(token, top)) {
                output.push_back(std::move(top));
                top = stack.Pop();
            }
            stack.Push(top);
            stack.Push(token);
            break;
        }
        case TokenKind::Close: {
            Text top = stack.Pop();
            while (top != u"(") {
                output.push_back(std::move(top));
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

double cEvaluate::EvaluatePostfix(const TokenList& postfix)
{
    // Operands travel as texts: every intermediate result is pushed as its
    // number text, so it is cut to 15 significant digits.
    cStack stack;
    stack.Load();
    for (const Text& token : postfix) {
        if (isNumber(token)) {
            stack.Push(token);
            continue;
        }
        const double b = numberValue(stack.Pop());
        const double a = numberValue(stack.Pop());
        double result = 0;
        switch (isOperatorToken(token) ? token.front() : u'^') {
        case u'+':
            result = arithmetic::add(a, b);
            break;
        case u'-':
            result = arithmetic::subtract(a, b);
            break;
        case u'*':
            result = arithmetic::multiply(a, b);
            break;
        case u'/':
            result = arithmetic::divide(a, b);
            break;
        case u'%':
            result = arithmetic::remainder(a, b);
            break;
        default:
            result = arithmetic::power(a, b);
            break;
        }
        stack.Push(numberText(result));
    }
    return numberValue(stack.Pop());
}

} // namespace vantor
