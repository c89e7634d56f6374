#pragma once
// Seeded faults on one direction of the simulated link: loss, duplication,
// corruption, a fixed delay and a random jitter on top of it, which lets
// datagrams overtake each other.
#include <chrono>
#include <cstdint>
#include <random>
#include <vector>

namespace qarvo::sim {

struct Faults {
    double loss = 0.0;
    double duplicate = 0.0;
    double corrupt = 0.0;
    std::chrono::milliseconds delay{0};
    std::chrono::milliseconds jitter{0}; // each copy waits 0..jitter more
};

class FaultInjector {
public:
    explicit FaultInjector(Faults faults = {}, std::uint32_t seed = 1) : faults_(faults), random_(seed) {}
    void setFaults(Faults faults) { faults_ = faults; }
    const Faults& faults() const { return faults_; }

    // The copies of a datagram that actually travel: none (lost), one, or
    // two (duplicated); a corrupted copy has one byte flipped.
    std::vector<std::vector<std::uint8_t>> apply(const std::vector<std::uint8_t>& datagram);
    // How long the next copy waits: the delay plus its share of jitter.
    std::chrono::milliseconds nextDelay();

private:
    bool chance(double p);
    Faults faults_;
    std::mt19937 random_;
};

} // namespace qarvo::sim
