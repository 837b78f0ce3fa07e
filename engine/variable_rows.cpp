#include "engine/variable_rows.h"

#include "engine/evaluate.h"

namespace vantor {

void VariableRows::computeRow(int index)
{
    Row& target = row(index);
    target.result = cEvaluate(*this).Evaluate(target.expression, false);
}

} // namespace vantor
