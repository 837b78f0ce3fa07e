#pragma once

// The steps of an evaluation, in the order it takes them, for the engine and
// its tests; programs compute through engine/compute.h. Each is defined in the
// file that holds its rule; the recursive part, which calls them, is
// engine/evaluation.h. The first, CleanExpression, is a text rule (text.h).

#include "engine/checks.h"
#include "engine/function_table.h"
#include "engine/text.h"
#include "engine/tokens.h"

#include <string_view>

namespace vantor {

class Evaluation;
class VariableRows;

// The message of the first check that the text fails; empty when it passes
// (checks.cpp). faults: the index of the text's faults; or variables: the
// rows, when their names are known identifiers.
std::u16string_view CheckExpression(TextView text, const checks::FaultIndex& faults);
std::u16string_view CheckExpression(TextView text, const VariableRows* variables);

// Each minus that is a sign, with its operand, becomes a subtraction from zero (signs.cpp).
Text RewriteSigns(Text text);

// The tokens of text, a part of the text the evaluation has checked, with pi,
// every function call, every variable's name and every number's exponent put
// in as values (tokeniser.cpp). Returns the message that ends the scan at a
// variable in error; empty otherwise.
std::u16string_view Tokenise(const Evaluation& evaluation, TextView text, TokenList& tokens);

// Postfix order of the tokens; ")" is appended to the list, which closes the
// "(" put first (postfix.cpp). The list points into the tokens.
PostfixList ToPostfix(TokenList& tokens);
double EvaluatePostfix(const PostfixList& postfix);
// True when the top of the operator stack stays there as the incoming operator is pushed.
bool OperatorPriority(char16_t incoming, char16_t top) noexcept;

// A function's value for the argument's value x (functions.cpp).
double functionValue(Function function, double x, bool degrees);
double Factorial(double x);

} // namespace vantor
