#include "base/failure.hpp"

#include <utility>

namespace skyanchor {

const char* describe(FailureNumber number) noexcept {
    switch (number) {
    case FailureNumber::InvalidArgument: return "Invalid procedure call or argument";
    case FailureNumber::Overflow: return "Overflow";
    case FailureNumber::DivisionByZero: return "Division by zero";
    case FailureNumber::TypeMismatch: return "Type mismatch";
    case FailureNumber::ClipboardUnavailable: return "Can't open Clipboard";
    }
    return "Application-defined or object-defined error";
}

Failure::Failure(FailureNumber number) : std::runtime_error(describe(number)), number_(number) {}

Failure::Failure(FailureNumber number, std::string reason)
    : std::runtime_error(describe(number)), number_(number), reason_(std::move(reason)) {}

}  // namespace skyanchor
