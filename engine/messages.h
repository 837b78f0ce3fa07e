#pragma once

#include <array>
#include <string_view>

namespace vantor::messages {

// The result texts of a malformed expression, in the order of the checks
// that produce them. They are exact, misspellings included.
inline constexpr std::u16string_view kNoText = u"Error. No Text";
inline constexpr std::u16string_view kWrongParenthisation = u"Error. Wrong Parenthisation";
inline constexpr std::u16string_view kWrongArrangementOfOperands = u"Error. Wrong Arrangement of Operands";
inline constexpr std::u16string_view kWrongArrangementOfParenthesis =
    u"Error. Wrong Arrangement of Parenthesis";
inline constexpr std::u16string_view kFunctionWithNoParanthesis = u"Error. Function with no Paranthesis";
inline constexpr std::u16string_view kWrongExponentialNumber = u"Error. Wrong Exponential Number";
inline constexpr std::u16string_view kUnknownIdentifier = u"Error. Unknown Identifier";
inline constexpr std::u16string_view kVariableInError = u"Error.";

// Every message above.
inline constexpr std::array kAll{kNoText,
                                 kWrongParenthisation,
                                 kWrongArrangementOfOperands,
                                 kWrongArrangementOfParenthesis,
                                 kFunctionWithNoParanthesis,
                                 kWrongExponentialNumber,
                                 kUnknownIdentifier,
                                 kVariableInError};

// Every message begins with this; a result box that does is a row in error.
inline constexpr std::u16string_view kErrorPrefix = u"Error";

} // namespace vantor::messages
