// The engine takes shortcuts where the plain steps would cost too much on long
// texts. Each test here puts a shortcut beside the plain step it replaces, on
// thousands of generated texts, and expects the same text, value or fault
// from both.

#include "engine/arithmetic.h"
#include "engine/checks.h"
#include "engine/evaluate.h"
#include "engine/messages.h"
#include "engine/number_text.h"

#include "tests/engine/engine_steps.h"
#include "tests/engine/engine_test_support.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

namespace vantor::test {
namespace {

using Texts = EngineSteps::Texts;

// Expressions of every shape the engine must take apart, malformed ones included.
class Generator {
public:
    explicit Generator(unsigned seed) : m_random(seed) {}

    std::string expression(int depth = 0)
    {
        std::string text = operand(depth);
        for (int terms = pick(4); terms > 0; --terms)
            text += std::string(1, "+-*/%^"[pick(6)]) + operand(depth);
        return text;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    std::string number()
    {
        static const char* const kNumbers[] = {"0", "2",   "05",  "12.5",  ".5", "5.",     "1.2.3",
                                               ".", "2e3", "1e5", "1.5e3", "7",  "100000", "3.25"};
        return kNumbers[pick(14)];
    }

    std::string operand(int depth)
    {
        static const char* const kNames[] = {"x", "ab", "a", "x1", "pi", "q", "x1e2", "fac(20)"};
        static const char* const kFunctions[] = {"abs(", "sin(", "cos(",   "fac(",
                                                 "int(", "log(", "round(", "atan("};
        const int choice = depth > 3 ? pick(3) : pick(9);
        switch (choice) {
        case 0:
        case 1:
            return number();
        case 2:
            return kNames[pick(8)];
        case 3:
            return "-" + operand(depth + 1);
        case 4:
        case 5:
            return "(" + expression(depth + 1) + ")";
        case 6:
        case 7:
            return kFunctions[pick(8)] + expression(depth + 1) + ")";
        default:
            return operand(depth + 1) + operand(depth + 1); // two operands side by side
        }
    }

    std::mt19937 m_random;
};

EvaluationContext generatorRows()
{
    EvaluationContext rows;
    rows.rows[0] = {u"x", u"2*3", u"6"};
    rows.rows[1] = {u"ab", u"-5", u"-5"};
    rows.rows[2] = {u"a", u"1/100000", u"1E-05"};
    rows.rows[3] = {u"x1", u"7", u"7"};
    rows.rows[4] = {u"q", u"(1", u"7"}; // stale: its expression has gone bad since
    return rows;
}

// Sign rewriting as written: sign by sign from the left, each replaced in the text.
Text rewriteSignBySign(Text text)
{
    const auto operandEnd = [&](std::size_t start) {
        std::size_t end = start;
        if (start >= text.size())
            return start;
        if (isNumberChar(text[start])) {
            while (end < text.size() && isNumberChar(text[end]))
                ++end;
            if (end + 1 < text.size() && isExponentLetter(text[end]) && isDigit(text[end + 1]))
                for (end += 2; end < text.size() && isDigit(text[end]);)
                    ++end;
            return end;
        }
        const FunctionEntry* entry = openingAt(text, start);
        if (entry && entry->function == Function::Pi)
            return start + 2;
        if (text[start] == u'(' || entry) {
            int depth = 0;
            for (end = entry ? start + entry->name.size() : start; end < text.size(); ++end) {
                depth += (text[end] == u'(') - (text[end] == u')');
                if (depth == 0)
                    return end + 1;
            }
            return text.size();
        }
        while (end < text.size() && !isOperator(text[end]) && !isBracket(text[end]))
            ++end;
        return end;
    };
    const auto negate = [&](std::size_t sign) {
        const std::size_t end = operandEnd(sign + 1);
        text =
            text.substr(0, sign) + u"(0-" + text.substr(sign + 1, end - sign - 1) + u")" + text.substr(end);
    };
    if (!text.empty() && text[0] == u'-')
        negate(0);
    for (std::size_t s = 0; s + 1 < text.size(); ++s) {
        if ((isOperator(text[s]) || text[s] == u'(') && text[s + 1] == u'-')
            negate(s + 1);
    }
    return text;
}

// A number's exponent as written out in the text: the whole number, mantissa
// to exponent digits, becomes one bracketed product; a "+" after the letter
// is dropped and a "-" becomes a subtraction from zero. 2e3 becomes (2*10^3),
// 1.5E-05 becomes (1.5*10^(0-05)).
Text expandExponent(const Text& text, std::size_t letter)
{
    std::size_t start = letter;
    while (start > 0 && isNumberChar(text[start - 1]))
        --start;
    std::size_t end = letter + 1;
    const bool negative = end < text.size() && text[end] == u'-';
    if (end < text.size() && (text[end] == u'+' || text[end] == u'-'))
        ++end;
    const std::size_t digits = end;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    const Text power = text.substr(digits, end - digits);
    return text.substr(0, start) + u"(" + text.substr(start, letter - start) + u"*10^" +
           (negative ? u"(0-" + power + u")" : power) + u")" + text.substr(end);
}

// A value as the text it stands for: its number text, a negative one as a
// subtraction from zero, one in exponent form with its exponent written out.
Text valueText(double value)
{
    Text text = numberText(value);
    if (value < 0)
        text = u"(0" + text + u")";
    if (const std::size_t letter = text.find(u'E'); letter != Text::npos)
        text = expandExponent(text, letter);
    return text;
}

// The tokeniser as written: after every substitution the whole text is
// scanned again from its first character. A value is kept apart from its
// neighbours by two marks, which are no characters of the text.
constexpr char16_t kOpen = u'\uE000';
constexpr char16_t kClose = u'\uE001';

std::optional<Texts> tokeniseRescanning(const EvaluationContext& context, Text text, bool vDetectVariable)
{
    const auto length = [&] {
        return text.size() - static_cast<std::size_t>(std::count(text.begin(), text.end(), kOpen)) * 2;
    };
    const auto substitute = [&](std::size_t at, std::size_t covered, Text value) {
        text = text.substr(0, at) + kOpen + value + kClose + text.substr(at + covered);
        checkTextLength(length());
    };
    const VariableRows rows(context);
restart:
    Texts tokens;
    bool inNumber = false;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char16_t c = text[pos];
        if (c == kOpen || c == kClose) {
            inNumber = false;
        } else if (isNumberChar(c)) {
            if (!inNumber)
                tokens.emplace_back();
            tokens.back() += c;
            inNumber = true;
        } else if (isExponentLetter(c) && pos > 0 && text[pos - 1] != kOpen) {
            if (!isDigit(text[pos - 1]))
                continue;
            std::size_t start = pos;
            while (start > 0 && isNumberChar(text[start - 1]))
                --start;
            std::size_t end =
                pos + 1 + (pos + 1 < text.size() && (text[pos + 1] == u'+' || text[pos + 1] == u'-'));
            while (end < text.size() && isDigit(text[end]))
                ++end;
            text = text.substr(0, start) + expandExponent(text.substr(start, end - start), pos - start) +
                   text.substr(end);
            checkTextLength(length());
            goto restart;
        } else if (isOperator(c) || isBracket(c)) {
            tokens.emplace_back(1, c);
            inNumber = false;
        } else if (const FunctionEntry* entry = openingAt(text, pos)) {
            double x = 0;
            std::size_t covered = 2;
            if (entry->function != Function::Pi) {
                int depth = 0;
                std::size_t end = pos + entry->name.size();
                for (; end < text.size(); ++end) {
                    depth += (text[end] == u'(') - (text[end] == u')');
                    if (depth == 0)
                        break;
                }
                if (end == text.size())
                    raise(FaultKind::Overflow);
                covered = end + 1 - pos;
                const Text argument = text.substr(pos + entry->name.size(), covered - entry->name.size());
                x = numberValue(cEvaluate(context).Evaluate(argument, vDetectVariable));
            }
            const double v = EngineSteps::FunctionValue(context, entry->function, x);
            substitute(pos, covered, v < 0 ? u"(0" + numberText(v) + u")" : numberText(v));
            goto restart;
        } else if (const VariableRow* row = vDetectVariable ? rows.match(text, pos) : nullptr) {
            const Text value = cEvaluate(context).Evaluate(row->expression, false);
            if (value.starts_with(u"Error"))
                return std::nullopt;
            substitute(pos, row->name.size(), value.starts_with(u'-') ? u"(0" + value + u")" : value);
            goto restart;
        }
    }
    if (tokens.empty())
        raise(FaultKind::Subscript);
    return tokens;
}

// Doubles of every magnitude and bit pattern, and values near 15-digit halfway points.
double anyDouble(std::mt19937_64& random)
{
    switch (random() % 4) {
    case 0: {
        double value = 0;
        const std::uint64_t bits = random();
        std::memcpy(&value, &bits, sizeof value);
        return std::isfinite(value) ? value : 1.5;
    }
    case 1:
        return std::ldexp(static_cast<double>(random() >> 11), static_cast<int>(random() % 200) - 150);
    case 2: { // a 16th significant digit of 5: halfway, or nearly so once scaled
        const double halfway =
            static_cast<double>((random() % 800'000'000'000'000ULL + 100'000'000'000'000ULL) * 10 + 5);
        return random() % 3 == 0 ? halfway : halfway * std::pow(10.0, static_cast<int>(random() % 60) - 40);
    }
    default:
        return std::uniform_real_distribution<double>(-1000, 1000)(random);
    }
}

// What the tokens come to, as the result box would show it.
Text valueOfTokens(const std::optional<Texts>& tokens)
{
    if (!tokens)
        return Text(messages::kVariableInError);
    return numberText(EngineSteps::EvaluateTokens(*tokens));
}

TEST(FastPaths, OnePassSignRewritingRewritesAsSignBySign)
{
    Generator generator(1);
    for (int i = 0; i < 4000; ++i) {
        const Text text = CleanExpression(u16(generator.expression()));
        ASSERT_EQ(u8(RewriteSigns(text)), u8(rewriteSignBySign(text))) << u8(text);
    }
    for (const char* text : {"-(-(-(2", "1)))-(-(-(2", "-sin(-(2", "-(-2)-(-3)", "--5", "(-)"})
        EXPECT_EQ(u8(RewriteSigns(u16(text))), u8(rewriteSignBySign(u16(text)))) << text;
}

// Values go into the token list as they are, instead of as texts scanned
// again: the result, or the fault, is the same.
TEST(FastPaths, SingleScanEvaluatesAsRescanning)
{
    const EvaluationContext rows = generatorRows();
    Generator generator(2);
    int compared = 0;
    for (int i = 0; i < 4000; ++i) {
        for (const bool variables : {true, false}) {
            const Text text = CleanExpression(u16(generator.expression()));
            if (!EngineSteps::CheckFault(rows, text, variables).empty())
                continue;
            const Text rewritten = RewriteSigns(text);
            ASSERT_EQ(resultOf([&] { return cEvaluate(rows).Evaluate(text, variables); }),
                      resultOf([&] { return valueOfTokens(tokeniseRescanning(rows, rewritten, variables)); }))
                << u8(rewritten);
            ++compared;
        }
    }
    EXPECT_GT(compared, 2000);
}

// A variable's value of any size, and its negation, read as the text the
// value would be written as.
TEST(FastPaths, VariableValuesReadAsTheirTexts)
{
    std::mt19937_64 random(7);
    EvaluationContext rows;
    int compared = 0;
    for (int i = 0; i < 20'000; ++i) {
        // A number text the checks take: "1.5E-05" as "1.5/1e05", "1E+15" as "1e15".
        Text expression = numberText(anyDouble(random));
        if (const std::size_t letter = expression.find(u'E'); letter != Text::npos)
            expression.replace(letter, 2, expression[letter + 1] == u'-' ? u"/1e" : u"e");
        rows.rows[0] = {u"x", expression, {}};
        const Result computed = computeRow(rows, 0);
        if (computed.fault)
            continue;
        const Text& value = computed.text;
        ASSERT_TRUE(isNumber(value)) << u8(expression);
        const Text written = valueText(numberValue(value));
        for (const char* form : {"x", "1/x", "2^x", "0-x"}) {
            Text spelt = u16(form);
            spelt.replace(spelt.find(u'x'), 1, written);
            ASSERT_EQ(resultOf([&] { return cEvaluate(rows).Evaluate(u16(form), true); }),
                      resultOf([&] { return cEvaluate(rows).Evaluate(spelt, false); }))
                << form << " with x = " << u8(value);
        }
        ++compared;
    }
    EXPECT_GT(compared, 10'000);
}

TEST(FastPaths, IndexedArgumentChecksCheckAsACopyWould)
{
    EvaluationContext rows = generatorRows();
    Generator generator(3);
    for (int i = 0; i < 3000; ++i) {
        rows.rows[4].result = i % 7 == 0 ? u"Error." : u"7";
        const VariableRows named(rows);
        const VariableRows* variables = i % 3 != 0 ? &named : nullptr;
        const Text text = RewriteSigns(CleanExpression(u16(generator.expression())));
        const checks::FaultIndex faults(text, variables);
        const std::vector<std::size_t> closing = closingPositions(text, Text::npos);
        for (std::size_t pos = 0; pos < text.size(); ++pos) {
            const FunctionEntry* entry = openingAt(text, pos);
            if (!entry || entry->function == Function::Pi)
                continue;
            const std::size_t open = pos + entry->name.size();
            const std::size_t end = closing[open];
            if (end == Text::npos)
                continue;
            ASSERT_EQ(u8(faults.firstFault(open, end)),
                      u8(CheckExpression(text.substr(open, end - open), variables)))
                << u8(text) << " at " << open;
        }
    }
}

TEST(FastPaths, PendingOperandsReadAsPushedTexts)
{
    // Values and results pushed as their number texts, read back when popped.
    const auto evaluateWithTexts = [](const Texts& postfix) {
        std::vector<Text> stack;
        const auto pop = [&] {
            if (stack.empty())
                raise(FaultKind::Subscript);
            const double value = numberValue(stack.back());
            stack.pop_back();
            return value;
        };
        for (const Text& token : postfix) {
            if (token.front() == u'{') {
                stack.push_back(numberText(numberValue(token.substr(1, token.size() - 2))));
                continue;
            }
            if (isNumber(token)) {
                stack.push_back(token);
                continue;
            }
            const double b = pop();
            const double a = pop();
            const char16_t op = token.front();
            stack.push_back(numberText(op == u'+'   ? arithmetic::add(a, b)
                                       : op == u'-' ? arithmetic::subtract(a, b)
                                       : op == u'*' ? arithmetic::multiply(a, b)
                                       : op == u'/' ? arithmetic::divide(a, b)
                                       : op == u'%' ? arithmetic::remainder(a, b)
                                                    : arithmetic::power(a, b)));
        }
        return numberText(pop());
    };
    std::mt19937 random(4);
    // Numbers with an exponent are values, as the tokeniser puts them in.
    const char* const kOperands[] = {"3", "0.1", "{1e308}",  "{1.7976931348623157e308}",
                                     "0", "7.5", "{1e-320}", "123456789012345678"};
    for (int i = 0; i < 5000; ++i) {
        Texts postfix;
        for (int n = std::uniform_int_distribution<int>(1, 9)(random); n > 0; --n) {
            if (random() % 2)
                postfix.push_back(u16(kOperands[random() % 8]));
            else
                postfix.emplace_back(1, u"+-*/%^"[random() % 6]);
        }
        ASSERT_EQ(resultOf([&] { return numberText(EngineSteps::EvaluatePostfix(postfix)); }),
                  resultOf([&] { return evaluateWithTexts(postfix); }));
    }
}

// A number text from the 15 digits the C++ library finds, written by the rules.
Text libraryNumberText(double value)
{
    if (value == 0)
        return u"0";
    std::array<char, 40> buffer{};
    char* end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific, 14)
            .ptr;
    std::string scientific(buffer.data(),
                           static_cast<std::size_t>(end - buffer.data())); // -d.ddddddddddddde+XX
    std::string out = scientific[0] == '-' ? "-" : "";
    if (!out.empty())
        scientific.erase(0, 1);
    const std::size_t e = scientific.find('e');
    std::string digits = scientific.substr(0, 1) + scientific.substr(2, e - 2);
    const int exponent = std::stoi(scientific.substr(e + 1));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    if (exponent < -4 || exponent > 14) {
        out += digits.substr(0, 1) + (digits.size() > 1 ? "." + digits.substr(1) : "");
        std::array<char, 16> power{};
        std::snprintf(power.data(), power.size(), "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return u16(out + power.data());
    }
    if (exponent < 0)
        return u16(out + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits);
    const auto whole = static_cast<std::size_t>(exponent + 1);
    if (digits.size() <= whole)
        return u16(out + digits + std::string(whole - digits.size(), '0'));
    return u16(out + digits.substr(0, whole) + "." + digits.substr(whole));
}

TEST(FastPaths, NumberTextsAsTheLibraryWritesAndReadsThem)
{
    std::mt19937_64 random(6);
    for (int i = 0; i < 200'000; ++i) {
        const double value = anyDouble(random);
        ASSERT_EQ(u8(numberText(value)), u8(libraryNumberText(value))) << value;
        ASSERT_EQ(resultOf([&] { return numberText(roundTo15Digits(value)); }),
                  resultOf([&] { return numberText(numberValue(libraryNumberText(value))); }))
            << value;
    }
}

// Numbers of up to 15 digits, as typed: with and without a point, signs,
// leading and trailing zeros, read as the library reads them.
TEST(FastPaths, ShortDecimalsReadAsTheLibraryReadsThem)
{
    std::mt19937_64 random(7);
    for (int i = 0; i < 200'000; ++i) {
        std::string text = i % 7 == 0 ? "-" : "";
        const int digits = 1 + static_cast<int>(random() % 15);
        const int point = static_cast<int>(random() % static_cast<std::uint64_t>(digits + 2)) - 1; // -1: none
        for (int k = 0; k < digits; ++k) {
            if (k == point)
                text += '.';
            text += static_cast<char>('0' + (k % 5 == 0 ? random() % 3 : random() % 10));
        }
        if (point == digits)
            text += '.';
        double library = 0;
        std::from_chars(text.data(), text.data() + text.size(), library);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(numberValue(u16(text))), std::bit_cast<std::uint64_t>(library))
            << text;
    }
}

// The parts of a number text, worked out without writing it, against the text written.
TEST(FastPaths, NumberPartsAreWhatTheNumberTextHolds)
{
    std::mt19937_64 random(8);
    for (int i = 0; i < 100'000; ++i) {
        const double value = i == 0 ? 0.0 : anyDouble(random);
        const Text text = numberText(value);
        const NumberParts parts = numberParts(value);
        const bool negative = text.starts_with(u'-');
        const std::size_t letter = text.find(u'E');
        const TextView figures = TextView(text).substr(negative ? 1 : 0, letter - (negative ? 1 : 0));
        ASSERT_EQ(parts.length, text.size()) << u8(text);
        ASSERT_EQ(parts.negative, negative) << u8(text);
        ASSERT_EQ(parts.exponentForm, letter != Text::npos) << u8(text);
        ASSERT_EQ(parts.figures, numberValue(figures)) << u8(text);
        if (parts.exponentForm) {
            ASSERT_EQ(parts.exponent, std::stoi(u8(text.substr(letter + 1)))) << u8(text);
        }
    }
}

TEST(FastPaths, AngleConversionIsTheEvaluatedProduct)
{
    // Where the number text has no exponent, converting is evaluating the text
    // of the number followed by "*" and the factor.
    const EvaluationContext degrees;
    const auto evaluated = [&](double value, std::u16string_view factor) {
        return numberValue(cEvaluate(degrees).Evaluate(numberText(value) + Text(factor), false));
    };
    std::mt19937 random(5);
    for (int i = 0; i < 3000; ++i) {
        const double x =
            roundTo15Digits(std::uniform_real_distribution<double>(-720, 720)(random) * (i % 2 ? 1 : 1e-2));
        if (numberText(x).find(u'E') != Text::npos || numberText(std::atan(x)).find(u'E') != Text::npos)
            continue;
        ASSERT_EQ(EngineSteps::FunctionValue(degrees, Function::Sin, x),
                  std::sin(evaluated(x, u"*0.0174532925")));
        ASSERT_EQ(EngineSteps::FunctionValue(degrees, Function::Atan, x),
                  evaluated(std::atan(x), u"*57.2957795785523"));
    }
}

} // namespace
} // namespace vantor::test
