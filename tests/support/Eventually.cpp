#include "support/Eventually.h"

#include <thread>

namespace qarvo::testing {

bool eventually(const std::function<bool()>& condition, Millis timeout)
{
    constexpr Millis kRecheck{2};
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return condition();
        std::this_thread::sleep_for(kRecheck);
    }
    return true;
}

} // namespace qarvo::testing
