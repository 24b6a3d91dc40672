// The counter arithmetic every module uses for money.
#include "state/GameState.h"

#include <limits>

namespace zarvelo {

namespace {
Counter Clamp(std::int64_t value) {
    constexpr std::int64_t lo = std::numeric_limits<Counter>::min();
    constexpr std::int64_t hi = std::numeric_limits<Counter>::max();
    return static_cast<Counter>(value < lo ? lo : (value > hi ? hi : value));
}
}  // namespace

Counter SaturatingAdd(Counter a, Counter b) { return Clamp(static_cast<std::int64_t>(a) + b); }

Counter SaturatingMul(Counter a, Counter b) { return Clamp(static_cast<std::int64_t>(a) * b); }

}  // namespace zarvelo
