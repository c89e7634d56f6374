// Installer writes and reads against the simulated panel over a link with
// 10 % loss, 10 % duplication and 2 % corruption both ways, and a jitter
// that lets datagrams overtake each other. Every transfer must end
// byte-exact or with the worker's clear message, none may run on without
// an end or end with different bytes, and at least 95 % must be
// byte-exact: the panel's answer time-out and the retries carry the link,
// the time-out message is the exception. QARVO_SOAK_TRANSFERS sets how many (writes and reads in
// turn).
//
// Byte-exact means: the same transfer from the same starting memory and
// document over a clean link gives the same panel memory (writes) or the
// same document image (reads), all 65,536 bytes.
#include "e2e/SessionFixture.h"

#include "base/TextIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <numeric>
#include <string>

using namespace qarvo;
using namespace qarvo::operations;
using qarvo::testing::Bytes;
using qarvo::testing::PanelFixture;
using qarvo::testing::SessionFixture;

namespace {

constexpr sim::Faults kFaults{.loss = 0.10, .duplicate = 0.10, .corrupt = 0.02, .delay = Millis(0), .jitter = Millis(20)};
// A transfer that has neither ended nor been ended by the worker's time-out
// by then hangs.
constexpr Millis kHang{120000};
// The share of transfers that must end byte-exact.
constexpr double kMinimumExactShare = 0.95;

int transferCount()
{
    const char* text = std::getenv("QARVO_SOAK_TRANSFERS");
    return text ? std::max(1, std::atoi(text)) : 2;
}

enum class End { Done, ClearError, Hung };

struct Soak {
    Soak()
    {
        sim::CommunicatorConfig config;
        config.seed = 20261208;
        // The worker's short reply time-out: a transfer the link cannot
        // carry ends with its message soon.
        f = std::make_unique<SessionFixture>(sim::SimPanelConfig{}, config, qarvo::testing::fastTiming());
    }

    // Runs one transfer to its end: the image-changed notice back at the
    // idle poll, or the worker stopped with its message.
    End run(int code)
    {
        const std::size_t changes = f->imageChanges();
        const std::size_t errors = f->messageCount(text_id::kPanelDoesntAnswer);
        if (!f->session->worker.startPageOperation(code))
            return End::ClearError;
        End end = End::Hung;
        PanelFixture::eventually(
            [&] {
                if (f->imageChanges() > changes && f->session->worker.currentCode() == kIdlePoll)
                    end = End::Done;
                else if (!f->session->worker.running() && f->messageCount(text_id::kPanelDoesntAnswer) > errors)
                    end = End::ClearError;
                return end != End::Hung;
            },
            kHang);
        return end;
    }

    // The transfer over a clean link, from the given panel memory and
    // document image: what the faulty link must reproduce.
    Bytes reference(int code, const Bytes& memory, const Bytes& image)
    {
        f->communicator.setFaults({}, {});
        f->panel.setMemory(memory);
        f->setImage(image);
        EXPECT_EQ(run(code), End::Done);
        return code == kWriteInstaller ? f->panel.memory() : f->image();
    }

    std::unique_ptr<SessionFixture> f;
};

} // namespace

TEST(Soak, InstallerTransfersOverAFaultyLinkEndByteExactOrWithAClearError)
{
    Soak soak;
    SessionFixture& f = *soak.f;
    ASSERT_TRUE(f.connect());
    f.enableAnswerTimeout(Millis(60));

    const int transfers = transferCount();
    int exact = 0;
    int clearErrors = 0;
    Millis slowest{0};
    for (int i = 0; i < transfers; ++i) {
        const int code = i % 2 == 0 ? kWriteInstaller : kReadInstaller;
        const Bytes memory = f.randomMemory(1000u + static_cast<unsigned>(i));
        const Bytes image = f.randomMemory(5000u + static_cast<unsigned>(i));
        const Bytes expected = soak.reference(code, memory, image);

        f.panel.setMemory(memory);
        f.setImage(image);
        f.communicator.setFaults(kFaults, kFaults);
        const auto start = std::chrono::steady_clock::now();
        const End end = soak.run(code);
        const auto took = std::chrono::duration_cast<Millis>(std::chrono::steady_clock::now() - start);
        f.communicator.setFaults({}, {});
        slowest = std::max(slowest, took);

        ASSERT_NE(end, End::Hung) << "transfer " << i << " neither ended nor timed out";
        if (end == End::ClearError) {
            ++clearErrors;
            ASSERT_TRUE(f.connect()) << "reconnecting after transfer " << i;
            continue;
        }
        const Bytes result = code == kWriteInstaller ? f.panel.memory() : f.image();
        const auto differing = std::inner_product(result.begin(), result.end(), expected.begin(), std::size_t{0},
                                                  std::plus<>(), std::not_equal_to<>());
        const auto first = std::mismatch(result.begin(), result.end(), expected.begin()).first - result.begin();
        EXPECT_EQ(differing, 0u) << (code == kWriteInstaller ? "write " : "read ") << i
                                 << " is not byte-exact, first at 0x" << std::hex << first;
        if (differing == 0)
            ++exact;
    }
    std::printf("soak: %d/%d installer transfers byte-exact, %d ended with the time-out message, slowest %lld ms\n",
                exact, transfers, clearErrors, static_cast<long long>(slowest.count()));
    EXPECT_EQ(exact + clearErrors, transfers);
    EXPECT_GE(exact, static_cast<int>(std::ceil(kMinimumExactShare * transfers)))
        << "too many transfers ended with the time-out message";
    EXPECT_TRUE(f.disconnect());
}
