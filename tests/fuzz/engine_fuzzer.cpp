// Fuzzes the engine as the window drives it. The input is an angle unit (the
// first byte: odd for radians), then lines: up to five rows "NAME=EXPRESSION",
// and last the expression. Each row is computed as Enter in its expression box
// does, then the expression as "=" does, rows recomputed after it.
//
// Only two endings are accepted: a result text (a number text in its one
// written form, or one of the fixed messages) or one of the engine's faults.
// Anything else (a crash, a sanitizer report, another exception, a malformed
// or infinite result) is a finding.

#include "engine/compute.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "engine/raise.h"
#include "tools/utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

using namespace vantor;

// A fault, a fixed message, or a number text in its one written form: one
// that reads back to a value written the same way again.
void expectResult(const Result& result)
{
    if (result.fault || std::ranges::find(messages::kAll, result.text) != messages::kAll.end())
        return;
    if (isNumber(result.text) &&
        resultOf([&] { return numberText(numberValue(result.text)); }) == Result{result.text, std::nullopt})
        return;
    std::fprintf(stderr, "not a result text: %s\n", toUtf8(result.text).c_str());
    std::abort();
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
        // A fault leaves the result box as it was.
        const Result result = computeRow(rows, i);
        expectResult(result);
        if (!result.fault)
            row.result = result.text;
    }

    const ExpressionAndRows results = computeExpressionAndRows(rows, fromUtf8(lines.back()));
    expectResult(results.expression);
    for (const std::optional<Result>& row : results.rows) {
        if (row)
            expectResult(*row);
    }
    return 0;
}
