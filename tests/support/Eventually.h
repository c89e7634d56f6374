#pragma once
// Waiting for something another thread does: the condition is checked
// until it holds or the time runs out, never a fixed pause.
#include "base/Timing.h"

#include <functional>

namespace qarvo::testing {

inline constexpr Millis kEventually{5000};

// True as soon as the condition holds; false when the time ran out first.
bool eventually(const std::function<bool()>& condition, Millis timeout = kEventually);

} // namespace qarvo::testing
