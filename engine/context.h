#pragma once

#include "engine/text.h"

namespace vantor {

// The five variable rows and the angle unit, as the engine reads them while it
// evaluates. The window implements this over its own boxes and option button,
// reading them at the moment it is asked; the engine never writes through it.
class EvaluationContext {
public:
    static constexpr int kRows = 5;

    virtual ~EvaluationContext() = default;

    // Texts of row 0 to 4: the name box, the expression box and the result box.
    virtual Text variableName(int row) const = 0;
    virtual Text variableExpression(int row) const = 0;
    virtual Text variableResult(int row) const = 0;

    // True while degrees are selected; radians apply otherwise.
    virtual bool degrees() const = 0;
};

} // namespace vantor
