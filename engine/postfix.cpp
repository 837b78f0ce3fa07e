#include "engine/arithmetic.h"
#include "engine/cstack.h"
#include "engine/fault.h"
#include "engine/number_text.h"
#include "engine/pipeline.h"

#include <optional>

namespace vantor {

namespace {

enum class TokenKind { Number, Operator, Open, Close };

TokenKind kindOf(TextView token)
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

// An operand on the evaluation stack: a number token as it stands in the
// expression, or a result as the number text it is written as. Reading it
// gives what reading that text gives, faults included, at the same moment:
// when it is popped.
struct Operand {
    TextView token;
    double result = 0;

    double read() const { return token.empty() ? roundTo15Digits(result) : readNumber(token); }
};

} // namespace

bool OperatorPriority(TextView incoming, TextView top) noexcept
{
    // True when the top stays on the stack: it is "(", or the incoming operator
    // binds strictly tighter. Equal priorities, "^" included, apply left to right.
    const auto priority = [](TextView op) {
        switch (op.size() == 1 ? op.front() : u' ') {
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
    if (top == u"(")
        return true;
    const int stacked = priority(top);
    return stacked > 0 && priority(incoming) > stacked;
}

std::vector<TextView> ToPostfix(TokenList& tokens)
{
    cStack<TextView> stack(tokens.size() + 2);
    stack.Load();
    stack.Push(u"(");
    tokens.push(u")");

    std::vector<TextView> output;
    output.reserve(tokens.size());
    std::optional<TokenKind> previous;
    for (const TextView token : tokens) {
        const TokenKind kind = kindOf(token);
        // A number token with two decimal points, or "." alone, is no number.
        if (kind == TokenKind::Number && !isNumber(token))
            raise(FaultKind::TypeMismatch);
        // Two operands with no operator between them: 2(3), (2)3, or a value
        // put in for pi, a function or a variable beside a number.
        if ((previous == TokenKind::Number || previous == TokenKind::Close) &&
            (kind == TokenKind::Number || kind == TokenKind::Open))
            raise(FaultKind::Subscript);
        previous = kind;

        switch (kind) {
        case TokenKind::Number:
            output.push_back(token);
            break;
        case TokenKind::Open:
            stack.Push(token);
            break;
        case TokenKind::Operator: {
            TextView top = stack.Pop();
            while (!OperatorPriority(token, top)) {
                output.push_back(top);
                top = stack.Pop();
            }
            stack.Push(top);
            stack.Push(token);
            break;
        }
        case TokenKind::Close: {
            TextView top = stack.Pop();
            while (top != u"(") {
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

double EvaluatePostfix(const std::vector<TextView>& postfix)
{
    // Operands travel as texts: every intermediate result is pushed as its
    // number text, so it is cut to 15 significant digits when it is read.
    cStack<Operand> stack(postfix.size());
    stack.Load();
    for (const TextView token : postfix) {
        // The list holds operators and number tokens that read as numbers.
        if (!(token.size() == 1 && isOperator(token.front()))) {
            stack.Push({token});
            continue;
        }
        const double b = stack.Pop().read();
        const double a = stack.Pop().read();
        double result = 0;
        switch (token.front()) {
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
        stack.Push({{}, result});
    }
    return stack.Pop().read();
}

} // namespace vantor
