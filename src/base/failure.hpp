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
    // With what was wrong and what to type instead, for a note or a message beside the report.
    Failure(FailureNumber number, std::string reason);

    [[nodiscard]] int number() const noexcept { return static_cast<int>(number_); }
    [[nodiscard]] FailureNumber kind() const noexcept { return number_; }
    [[nodiscard]] std::string description() const { return what(); }
    // Why the step failed, in words a user can act on; empty when the number says it all.
    [[nodiscard]] const std::string& reason() const noexcept { return reason_; }

private:
    FailureNumber number_;
    std::string reason_;
};

[[nodiscard]] const char* describe(FailureNumber number) noexcept;

}  // namespace skyanchor
