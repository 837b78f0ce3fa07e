#include "engine/raise.h"

namespace vantor {

std::string_view faultMessage(FaultKind kind) noexcept
{
    switch (kind) {
    case FaultKind::Overflow:
        return "Overflow";
    case FaultKind::DivisionByZero:
        return "Division by zero";
    case FaultKind::Subscript:
        return "Subscript out of range";
    case FaultKind::TypeMismatch:
        return "Type mismatch";
    case FaultKind::InvalidArgument:
        return "Invalid procedure call or argument";
    case FaultKind::OutOfStackSpace:
        return "Out of stack space";
    }
    return "Unknown fault";
}

const char* Fault::what() const noexcept
{
    return faultMessage(m_kind).data(); // each message is a literal, so it ends with a NUL
}

void raise(FaultKind kind)
{
    throw Fault(kind);
}

} // namespace vantor
