#include "sim/FaultInjection.h"

namespace qarvo::sim {

bool FaultInjector::chance(double p)
{
    return p > 0 && std::uniform_real_distribution<double>(0.0, 1.0)(random_) < p;
}

std::vector<std::vector<std::uint8_t>> FaultInjector::apply(const std::vector<std::uint8_t>& datagram)
{
    std::vector<std::vector<std::uint8_t>> out;
    if (chance(faults_.loss))
        return out;
    out.push_back(datagram);
    if (chance(faults_.duplicate))
        out.push_back(datagram);
    for (auto& copy : out) {
        if (!copy.empty() && chance(faults_.corrupt)) {
            const auto at = std::uniform_int_distribution<std::size_t>(0, copy.size() - 1)(random_);
            copy[at] ^= static_cast<std::uint8_t>(1u << std::uniform_int_distribution<int>(0, 7)(random_));
        }
    }
    return out;
}

std::chrono::milliseconds FaultInjector::nextDelay()
{
    if (faults_.jitter.count() <= 0)
        return faults_.delay;
    using Rep = std::chrono::milliseconds::rep;
    return faults_.delay + std::chrono::milliseconds(std::uniform_int_distribution<Rep>(0, faults_.jitter.count())(random_));
}

} // namespace qarvo::sim
