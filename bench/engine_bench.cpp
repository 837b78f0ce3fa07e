// How long the engine takes, on typical expressions and on the longest ones
// it accepts (32,766 characters), each also at half that length to show how
// the cost grows.

#include "engine/compute.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace vantor;

constexpr std::size_t kLongest = 32766;

void evaluate(benchmark::State& state, const EvaluationContext& rows, const Text& expression)
{
    bool faulted = false;
    for (auto _ : state) {
        const Result result = computeExpression(rows, expression);
        faulted = result.fault.has_value();
        benchmark::DoNotOptimize(result);
    }
    state.counters["chars"] = static_cast<double>(expression.size());
    state.counters["faulted"] = faulted ? 1 : 0;
}

EvaluationContext degrees()
{
    return EvaluationContext{};
}

EvaluationContext threeVariables()
{
    EvaluationContext rows;
    rows.rows[0] = {u"r", u"2.5", u"2.5"};
    rows.rows[1] = {u"h", u"sin(30)*4", u"1.99999999792743"};
    rows.rows[2] = {u"n", u"fac(5)", u"120"};
    return rows;
}

// Terms joined by "+" up to at most the given length.
Text chain(std::u16string_view term, std::size_t length)
{
    Text text(term);
    while (text.size() + 1 + term.size() <= length) {
        text += u'+';
        text += term;
    }
    return text;
}

Text nest(std::u16string_view opening, std::u16string_view inner, std::size_t length)
{
    const std::size_t depth = (length - inner.size()) / (opening.size() + 1);
    Text text;
    for (std::size_t i = 0; i < depth; ++i)
        text += opening;
    text += inner;
    text.append(depth, u')');
    return text;
}

void BM_WorkedExample(benchmark::State& state)
{
    evaluate(state, degrees(), u"2 + 3 * SIN(30)");
}
BENCHMARK(BM_WorkedExample);

void BM_EveryOperatorAndFunction(benchmark::State& state)
{
    // 100 characters: every operator, brackets, exponent numbers, pi and all eleven functions.
    evaluate(state, degrees(),
             u"abs(-2.5e1)+cos(60)*fac(5)/int(7.9)%3^2-log(10)+sin(pi)-tan(45)+acos(0.5)*asin(0.5)/"
             u"atan(1)+round(2.5)");
}
BENCHMARK(BM_EveryOperatorAndFunction);

void BM_ThreeVariables(benchmark::State& state)
{
    evaluate(state, threeVariables(), u"pi*r^2*h+n/4");
}
BENCHMARK(BM_ThreeVariables);

void BM_TenNestedCalls(benchmark::State& state)
{
    evaluate(state, degrees(), u"int(round(abs(tan(atan(cos(acos(sin(asin(log(2))))))))*1000))");
}
BENCHMARK(BM_TenNestedCalls);

// At the limit, and at half of it.
void BM_PiChain(benchmark::State& state)
{
    evaluate(state, degrees(), chain(u"pi", static_cast<std::size_t>(state.range(0))));
}
void BM_SinChain(benchmark::State& state)
{
    evaluate(state, degrees(), chain(u"sin(1)", static_cast<std::size_t>(state.range(0))));
}
void BM_ExponentChain(benchmark::State& state)
{
    evaluate(state, degrees(), chain(u"1e5", static_cast<std::size_t>(state.range(0))));
}
void BM_VariableChain(benchmark::State& state)
{
    EvaluationContext rows;
    rows.rows[0] = {u"x", u"1+1", u"2"};
    evaluate(state, rows, chain(u"x", static_cast<std::size_t>(state.range(0))));
}
void BM_FunctionNest(benchmark::State& state)
{
    evaluate(state, degrees(), nest(u"abs(", u"1", static_cast<std::size_t>(state.range(0))));
}
void BM_BracketNest(benchmark::State& state)
{
    evaluate(state, degrees(), nest(u"(", u"1", static_cast<std::size_t>(state.range(0))));
}

#define AT_HALF_AND_FULL_LENGTH(function)                                                                    \
    BENCHMARK(function)->Arg(kLongest / 2)->Arg(kLongest)->Unit(benchmark::kMillisecond)

AT_HALF_AND_FULL_LENGTH(BM_PiChain);
AT_HALF_AND_FULL_LENGTH(BM_SinChain);
AT_HALF_AND_FULL_LENGTH(BM_ExponentChain);
AT_HALF_AND_FULL_LENGTH(BM_VariableChain);
AT_HALF_AND_FULL_LENGTH(BM_FunctionNest);
AT_HALF_AND_FULL_LENGTH(BM_BracketNest);

} // namespace

BENCHMARK_MAIN();
