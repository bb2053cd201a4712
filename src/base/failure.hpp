#pragma once

#include <stdexcept>
#include <string>

namespace skyanchor {

// The numbers users of this kind of tool know from the classic runtime's error report.
enum class FailureNumber : int {
    InvalidArgument = 5,
    Overflow = 6,
    DivisionByZero = 11,
    TypeMismatch = 13,
    ClipboardUnavailable = 521,
};

// A failed step: carries the runtime-style number and its standard description.
class Failure : public std::runtime_error {
public:
    explicit Failure(FailureNumber number);

    [[nodiscard]] int number() const noexcept { return static_cast<int>(number_); }
    [[nodiscard]] FailureNumber kind() const noexcept { return number_; }
    [[nodiscard]] std::string description() const { return what(); }

private:
    FailureNumber number_;
};

[[nodiscard]] const char* describe(FailureNumber number) noexcept;

}  // namespace skyanchor
