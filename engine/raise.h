#pragma once

// How a fault travels inside the engine: raised as an exception where it
// happens, it unwinds every enclosing evaluation up to the door
// (engine/compute.h), which turns it into the fault of a Result.

#include "engine/compute.h"
#include "engine/fault.h"

#include <exception>

namespace vantor {

class Fault : public std::exception {
public:
    explicit Fault(FaultKind kind) noexcept : m_kind(kind) {}

    FaultKind kind() const noexcept { return m_kind; }
    const char* what() const noexcept override;

private:
    FaultKind m_kind;
};

[[noreturn]] void raise(FaultKind kind);

// What a step that gives a text comes to: that text, or the fault it raised.
template <class Step> Result resultOf(Step&& step)
{
    try {
        return {step(), std::nullopt};
    } catch (const Fault& fault) {
        return {{}, fault.kind()};
    }
}

} // namespace vantor
