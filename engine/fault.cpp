#include "engine/fault.h"

namespace vantor {

namespace {

struct FaultText {
    FaultKind kind;
    const char* text;
};

constexpr FaultText kFaultTexts[] = {
    {FaultKind::Overflow, "Overflow"},
    {FaultKind::DivisionByZero, "Division by zero"},
    {FaultKind::Subscript, "Subscript out of range"},
    {FaultKind::TypeMismatch, "Type mismatch"},
    {FaultKind::InvalidArgument, "Invalid procedure call or argument"},
    {FaultKind::OutOfStackSpace, "Out of stack space"},
};

const char* textOf(FaultKind kind) noexcept
{
    for (const auto& entry : kFaultTexts) {
        if (entry.kind == kind)
            return entry.text;
    }
    return "Unknown fault";
}

} // namespace

std::string_view faultMessage(FaultKind kind) noexcept
{
    return textOf(kind);
}

const char* Fault::what() const noexcept
{
    return textOf(m_kind);
}

void raise(FaultKind kind)
{
    throw Fault(kind);
}

} // namespace vantor
