#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vantor {

// An arithmetic or conversion fault. Unlike a malformed expression, which
// gives an "Error. ..." text, a fault abandons the evaluation and every
// enclosing one; the window shows its message.
enum class FaultKind : std::uint8_t {
    Overflow,
    DivisionByZero,
    Subscript,
    TypeMismatch,
    InvalidArgument,
    OutOfStackSpace,
};

inline constexpr std::array kFaultKinds{
    FaultKind::Overflow,     FaultKind::DivisionByZero,  FaultKind::Subscript,
    FaultKind::TypeMismatch, FaultKind::InvalidArgument, FaultKind::OutOfStackSpace,
};

// The fixed text the user sees for each kind.
std::string_view faultMessage(FaultKind kind) noexcept;

} // namespace vantor
