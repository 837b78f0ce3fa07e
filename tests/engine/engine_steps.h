#pragma once

#include "engine/context.h"
#include "engine/fault.h"
#include "engine/number_text.h"
#include "engine/steps.h"
#include "engine/tokens.h"
#include "engine/variable_rows.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace vantor {

// The engine's steps with token lists as lists of texts, for the tests.
// Positions count from 0.
//
// A token's text: a number token its digits and points, without the
// characters the scan dropped between them; an operator or a bracket its
// character; a value "{" its number text "}", or "{" the name of the fault
// its reading raises "}", such as "{overflow}" or "{type-mismatch}".
struct EngineSteps {
    using Texts = std::vector<Text>;

    // "type-mismatch" for the "Type mismatch" fault.
    static Text faultName(FaultKind kind)
    {
        Text name;
        for (const char c : faultMessage(kind))
            name.push_back(c == ' ' ? u'-'
                                    : static_cast<char16_t>(std::tolower(static_cast<unsigned char>(c))));
        return name;
    }

    static Text textOf(const Token& token)
    {
        switch (token.kind) {
        case TokenKind::Number: {
            Text digits;
            for (const char16_t c : token.text) {
                if (isNumberChar(c))
                    digits.push_back(c);
            }
            return digits;
        }
        case TokenKind::Value:
            return u"{" + (token.fault ? faultName(*token.fault) : numberText(token.value)) + u"}";
        default:
            return Text(1, token.symbol);
        }
    }

    // A token list built from the texts above; a number's text may hold the
    // dropped characters too ("2.e3"), which makes it a joined token. The
    // list's number tokens view the texts it holds, so it is neither copied
    // nor moved.
    class Tokens {
    public:
        explicit Tokens(const Texts& words) : m_words(words)
        {
            for (const Text& word : m_words)
                m_list.push_back(tokenOf(word));
        }
        Tokens(const Tokens&) = delete;
        Tokens& operator=(const Tokens&) = delete;

        TokenList& list() { return m_list; }

    private:
        static Token tokenOf(const Text& word)
        {
            if (word.size() > 1 && word.front() == u'{' && word.back() == u'}') {
                const TextView inside = TextView(word).substr(1, word.size() - 2);
                for (const FaultKind kind : kFaultKinds) {
                    if (inside == faultName(kind))
                        return Token::valueOf(0, kind);
                }
                // As a number with an exponent gives it: cut when it is read.
                return Token::valueOf(numberValue(inside), std::nullopt, true);
            }
            if (word.size() == 1 && (isOperator(word.front()) || isBracket(word.front())))
                return Token::symbolOf(word.front());
            Token number = Token::number(word);
            number.joined = !std::all_of(word.begin(), word.end(), isNumberChar);
            return number;
        }

        const Texts m_words;
        TokenList m_list;
    };

    static Texts ToPostfix(const Texts& words)
    {
        Tokens tokens(words);
        Texts out;
        for (const Token* token : vantor::ToPostfix(tokens.list()))
            out.push_back(textOf(*token));
        return out;
    }

    // The value of a token list: put in postfix order, then evaluated.
    static double EvaluateTokens(const Texts& words)
    {
        Tokens tokens(words);
        return vantor::EvaluatePostfix(vantor::ToPostfix(tokens.list()));
    }

    // The postfix list as it stands, operators and all.
    static double EvaluatePostfix(const Texts& postfix)
    {
        Tokens tokens(postfix);
        PostfixList pointers;
        for (const Token& token : tokens.list())
            pointers.push_back(&token);
        return vantor::EvaluatePostfix(pointers);
    }

    // The text as the checks leave it: unchanged when it passes, else the message.
    static Text CheckExpression(const EvaluationContext& context, const Text& text, bool vDetectVariable)
    {
        const Text fault = CheckFault(context, text, vDetectVariable);
        return fault.empty() ? text : fault;
    }

    // The message of the first check the text fails; empty when it passes.
    static Text CheckFault(const EvaluationContext& context, const Text& text, bool vDetectVariable)
    {
        const VariableRows variables(context);
        return Text(vantor::CheckExpression(text, vDetectVariable ? &variables : nullptr));
    }

    static double FunctionValue(const EvaluationContext& context, Function function, double x)
    {
        return functionValue(function, x, context.degrees);
    }
};

} // namespace vantor
