#include "engine/stored_context.h"

#include "engine/evaluate.h"

namespace vantor {

void StoredContext::computeRow(int index)
{
    Row& target = row(index);
    target.result = cEvaluate(*this).Evaluate(target.expression, false);
}

} // namespace vantor
