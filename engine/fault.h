#pragma once

#include <array>
#include <cstdint>
#include <exception>
#include <string_view>

namespace vantor {

// An arithmetic or conversion fault. Unlike a malformed expression, which
// Evaluate reports by returning an "Error. ..." text, a fault abandons the
// evaluation and every enclosing one; the window shows its message.
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

class Fault : public std::exception {
public:
    explicit Fault(FaultKind kind) noexcept : m_kind(kind) {}

    FaultKind kind() const noexcept { return m_kind; }
    std::string_view message() const noexcept { return faultMessage(m_kind); }
    const char* what() const noexcept override;

private:
    FaultKind m_kind;
};

[[noreturn]] void raise(FaultKind kind);

} // namespace vantor
