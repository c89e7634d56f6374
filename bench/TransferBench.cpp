// Times the installer page read and the master page read against the
// simulated panel behind the simulated communicator, with a fixed delay on
// every datagram each way, and prints each transfer's wall time divided by
// its round trips at the bare delay (1.00 would be a program that costs no
// time of its own).
#include "base/NoticeSink.h"
#include "link/Link.h"
#include "operations/OperationWorker.h"
#include "operations/PageTransfer.h"
#include "panel/CUploadDoc.h"
#include "sim/SimCommunicator.h"
#include "sim/SimPanel.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <random>
#include <thread>

using namespace qarvo;
using Clock = std::chrono::steady_clock;

namespace {

constexpr auto kDelayEachWay = std::chrono::milliseconds(5);
constexpr auto kPatience = std::chrono::seconds(120);

// Notes when a transfer's first step runs (its progress display opens) and
// when it posts the image-changed notice after its last reply.
class StampingSink final : public NoticeSink {
public:
    void post(const Notice& notice) override
    {
        std::lock_guard lock(mutex_);
        if (const auto* p = std::get_if<ProgressNotice>(&notice); p && p->subCode == kCaptionShown)
            started_ = Clock::now();
        if (std::holds_alternative<ImageChangedNotice>(notice))
            ended_ = Clock::now();
    }
    Clock::duration elapsed() const
    {
        std::lock_guard lock(mutex_);
        return ended_ - started_;
    }

private:
    static constexpr int kCaptionShown = 4;
    mutable std::mutex mutex_;
    Clock::time_point started_;
    Clock::time_point ended_;
};

bool until(const std::function<bool()>& done)
{
    const auto deadline = Clock::now() + kPatience;
    while (!done()) {
        if (Clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return true;
}

// Random programming that keeps the panel's identification codes.
std::vector<std::uint8_t> randomProgramming(const sim::SimPanel& panel)
{
    std::mt19937 random(2024);
    std::vector<std::uint8_t> memory = panel.memory();
    for (std::size_t a = 0; a < memory.size(); ++a)
        if (a < 0x406 || a > 0x409)
            memory[a] = static_cast<std::uint8_t>(random());
    return memory;
}

} // namespace

int main()
{
    sim::SimPanel panel;
    panel.setMemory(randomProgramming(panel));
    sim::SimCommunicator communicator;
    communicator.setPanel(&panel);
    if (!communicator.start()) {
        std::fprintf(stderr, "The simulated communicator could not start on 127.0.0.1.\n");
        return 1;
    }
    const sim::Faults delay{0.0, 0.0, 0.0, kDelayEachWay};
    communicator.setFaults(delay, delay);

    StampingSink sink;
    link::ConnectionSettings settings;
    settings.communicatorAddress = 0x7F000001;
    settings.communicatorPort = communicator.port();
    settings.password = communicator.config().password;
    link::Link link(sink, settings, Timing{});
    panel::CUploadDoc doc("Current log");
    operations::OperationWorker worker(link, doc.identity(), {{}, [&] { doc.checkModel(doc.identity()); }});
    auto transfers = operations::makePageTransfers(doc, sink, [&] { worker.enterIdle(); });
    for (const auto& transfer : transfers)
        worker.setStep(transfer->operationCode(), transfer.get());

    if (!link.start() || link.connection.open(link::ConnectionMode::Direct, false) != link::result::kOpen) {
        std::fprintf(stderr, "No connection with the simulated communicator.\n");
        return 1;
    }
    const auto idle = [&] { return worker.panelLinkUp() && worker.currentCode() == operations::kIdlePoll; };
    worker.startPageOperation(operations::kNoOperation);
    if (!until(idle)) {
        std::fprintf(stderr, "The simulated panel was not identified.\n");
        return 1;
    }

    const double roundTripMs = 2.0 * static_cast<double>(kDelayEachWay.count());
    std::printf("Delay %lld ms each way; ratio = wall time / (round trips x %.0f ms)\n",
                static_cast<long long>(kDelayEachWay.count()), roundTripMs);
    int status = 0;
    for (const auto which : {operations::Transfer::ReadInstaller, operations::Transfer::ReadMaster}) {
        operations::PageTransfer& transfer = **std::ranges::find_if(
            transfers, [which](const auto& t) { return t->transfer() == which; });
        const unsigned before = transfer.completions();
        worker.startPageOperation(transfer.operationCode());
        if (!until([&] { return transfer.completions() > before && idle(); })) {
            std::fprintf(stderr, "The transfer did not end.\n");
            status = 1;
            break;
        }
        const double wallMs = std::chrono::duration<double, std::milli>(sink.elapsed()).count();
        const unsigned roundTrips = transfer.requests();
        std::printf("%-15s %4u round trips %9.1f ms  ratio %.3f\n",
                    which == operations::Transfer::ReadInstaller ? "installer read" : "master read", roundTrips,
                    wallMs, wallMs / (roundTrips * roundTripMs));
    }
    worker.abort(true);
    communicator.stop();
    return status;
}
