#pragma once

#include "engine/text.h"

#include <array>

namespace vantor {

// One row of the variable table: the texts of its name, expression and result boxes.
struct VariableRow {
    Text name;
    Text expression;
    Text result;
};

// What an evaluation reads besides its text: the five variable rows and the
// angle unit, taken as they stand before it starts. A plain value: the window
// fills one from its boxes on its own thread, the command-line evaluator from
// its options.
struct EvaluationContext {
    static constexpr int kRows = 5;

    std::array<VariableRow, kRows> rows;
    bool degrees = true; // radians apply otherwise
};

} // namespace vantor
