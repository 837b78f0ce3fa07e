// Fuzzes the engine as the window drives it. The input is an angle unit (the
// first byte: odd for radians), then lines: up to five rows "NAME=EXPRESSION",
// and last the expression. Each row is computed as Enter in its expression box
// does, then the expression as "=" does, rows recomputed after it.
//
// Only two endings are accepted: a result text (a number text in its one
// written form, or one of the fixed messages) or one of the engine's faults.
// Anything else (a crash, a sanitizer report, another exception, a malformed
// or infinite result) is a finding.

#include "engine/evaluate.h"
#include "engine/fault.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "tools/utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

using namespace vantor;

bool isMessage(TextView text)
{
    for (const std::u16string_view message :
         {messages::kNoText, messages::kWrongParenthisation, messages::kWrongArrangementOfOperands,
          messages::kWrongArrangementOfParenthesis, messages::kFunctionWithNoParanthesis,
          messages::kWrongExponentialNumber, messages::kUnknownIdentifier, messages::kVariableInError}) {
        if (text == message)
            return true;
    }
    return false;
}

void expectResult(TextView text)
{
    if (isMessage(text))
        return;
    // A number text reads back to a value that is written the same way again.
    if (isNumber(text)) {
        try {
            if (numberText(numberValue(text)) == text)
                return;
        } catch (const Fault&) {
        }
    }
    std::fprintf(stderr, "not a result text: %s\n", toUtf8(text).c_str());
    std::abort();
}

// Runs one evaluation into its box. A fault is an accepted ending: it leaves
// the box alone, and the command that started it writes nothing further.
template <class Evaluation> bool run(Text& box, Evaluation evaluation)
{
    try {
        Text result = evaluation();
        expectResult(result);
        box = std::move(result);
        return true;
    } catch (const Fault& fault) {
        if (fault.message().empty())
            std::abort();
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    EvaluationContext rows;
    rows.degrees = (data[0] & 1) == 0;

    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::vector<std::string_view> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = input.find('\n', start);
        lines.push_back(input.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    const std::size_t rowCount = std::min<std::size_t>(lines.size() - 1, EvaluationContext::kRows);
    for (std::size_t i = 0; i < rowCount; ++i) {
        const std::size_t equals = lines[i].find('=');
        VariableRow& row = rows.rows[i];
        row.name = fromUtf8(lines[i].substr(0, equals));
        row.expression = equals == std::string_view::npos ? Text() : fromUtf8(lines[i].substr(equals + 1));
        run(row.result, [&] { return cEvaluate(rows).Evaluate(row.expression, false); });
    }

    Text expression = fromUtf8(lines.back());
    if (!run(expression, [&] { return cEvaluate(rows).Evaluate(expression, true); }))
        return 0;
    for (VariableRow& row : rows.rows) {
        if (!row.name.empty() &&
            !run(row.result, [&] { return cEvaluate(rows).Evaluate(row.expression, false); }))
            break;
    }
    return 0;
}
