#pragma once
// The four panel memory page transfers (read and write of the installer
// page and of the master page) as the worker's step machines. Each reply
// the worker hands over is checked against the request in force; a match
// moves the transfer on, anything else sends the same request again, so
// late, repeated or foreign replies never fail a transfer.
//
// Threading: run() is called on the worker thread. A read gathers the
// panel's bytes in a staging image of its own and commits each finished
// range (or the whole item list) into the document in one piece under the
// document's lock; writes take their bytes from the document under the same
// lock. So a save, a print or a page refresh on the user-interface thread
// sees each range either as it was or as the panel holds it. (The installer
// write sends each range from a copy taken when the range starts.)
#include "base/NoticeSink.h"
#include "operations/OperationCodes.h"
#include "operations/TransferPlan.h"
#include "panel/CUploadDoc.h"
#include "panel/PanelImage.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace qarvo::operations {

class PageTransfer final : public OperationStep {
public:
    // enterIdle hands the worker back to the idle poll when the transfer is over.
    PageTransfer(Transfer transfer, panel::CUploadDoc& doc, NoticeSink& sink, std::function<void()> enterIdle);

    void run(StepIo& io) override;

    Transfer transfer() const { return transfer_; }
    // The operation code the worker runs this transfer under.
    int operationCode() const;
    // Transfers finished since construction; readable from any thread.
    unsigned completions() const { return completions_; }
    // Requests of the transfer running or last run, repeats included.
    unsigned requests() const { return requests_; }
    // The plan of the transfer running or last run (worker thread).
    const TransferPlan& plan() const { return plan_; }

private:
    void start(StepIo& io);
    void enterStage(StepIo& io);
    void onReply(StepIo& io);
    bool replyMatches(const CCommBuff& reply) const;
    void afterMatch();
    void send(StepIo& io);
    void buildRequest();
    void finishStage();
    void commit(MemoryRange range);
    void complete(StepIo& io);
    std::uint8_t progress() const;

    const Stage& stage() const { return plan_.stages[stage_]; }
    bool moreInStage() const;

    Transfer transfer_;
    panel::CUploadDoc& doc_;
    NoticeSink& sink_;
    std::function<void()> enterIdle_;

    // The master item list, kept until the panel type code changes.
    std::vector<MemoryItem> items_;
    std::uint8_t itemsTypeCode_ = 0;

    TransferPlan plan_;
    std::size_t stage_ = 0;
    std::uint32_t cursor_ = 0;  // next address of the range in force
    std::size_t item_ = 0;      // next item of the item stage
    std::uint32_t bytesDone_ = 0; // of the ranges and items finished
    std::uint8_t sentStep_ = 0;

    // The request in force, repeated until its reply matches.
    std::array<std::uint8_t, 6> request_{};
    std::size_t requestSize_ = 0;

    std::unique_ptr<panel::PanelImage> staging_;     // reads: replies land here first
    std::unique_ptr<panel::PanelImage> writeBuffer_; // installer write: each range's copy

    std::atomic<unsigned> completions_{0};
    std::atomic<unsigned> requests_{0};
};

// The four transfers, ready for the worker's operation codes 3 to 6.
std::vector<std::unique_ptr<PageTransfer>> makePageTransfers(panel::CUploadDoc& doc, NoticeSink& sink,
                                                             const std::function<void()>& enterIdle);

} // namespace qarvo::operations
