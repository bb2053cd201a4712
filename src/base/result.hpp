#pragma once

#include "base/failure.hpp"

#include <utility>
#include <variant>

namespace skyanchor {

// What a step that may fail while the user types returns: its value, or the failure that kept it
// from being made. Nothing is thrown, so the caller decides what to show. (libstdc++'s
// std::expected is not available to every compiler the project builds with.)
template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}        // NOLINT: implicit by design
    Result(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}  // NOLINT: implicit by design

    [[nodiscard]] bool ok() const noexcept { return state_.index() == 0; }
    explicit operator bool() const noexcept { return ok(); }

    // Only when ok().
    [[nodiscard]] const T& value() const& { return std::get<0>(state_); }
    [[nodiscard]] T&& value() && { return std::get<0>(std::move(state_)); }
    [[nodiscard]] const T& operator*() const& { return value(); }
    [[nodiscard]] const T* operator->() const { return &value(); }
    // Only when !ok().
    [[nodiscard]] const Failure& failure() const& { return std::get<1>(state_); }

    [[nodiscard]] T valueOr(T fallback) const& { return ok() ? value() : std::move(fallback); }

private:
    std::variant<T, Failure> state_;
};

// A step that makes nothing but may fail.
struct Done {};
using Status = Result<Done>;
inline Status done() { return Done{}; }

}  // namespace skyanchor
