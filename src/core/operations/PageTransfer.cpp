#include "operations/PageTransfer.h"

#include "link/PanelMessage.h"

#include <algorithm>

namespace qarvo::operations {

namespace {

using link::panel_code::kRamOne;
using link::panel_code::kReadFour;
using link::panel_code::kReadFourReply;
using link::panel_code::kReadOne;
using link::panel_code::kReadOneReply;
using link::panel_code::kWriteFour;
using link::panel_code::kWriteOne;
namespace location = link::panel_location;

struct TransferCode {
    Transfer transfer;
    int code;
};
constexpr std::array kTransferCodes{
    TransferCode{Transfer::ReadInstaller, kReadInstaller},
    TransferCode{Transfer::WriteInstaller, kWriteInstaller},
    TransferCode{Transfer::ReadMaster, kReadMaster},
    TransferCode{Transfer::WriteMaster, kWriteMaster},
};

constexpr std::uint8_t low(std::uint32_t address) { return static_cast<std::uint8_t>(address & 0xFF); }

constexpr std::uint32_t kTransferUnit = 4;

bool isRange(StageKind kind) { return kind == StageKind::Read || kind == StageKind::Write; }
bool isItems(StageKind kind) { return kind == StageKind::ReadItems || kind == StageKind::WriteItems; }

// Copies [range.start, range.end) and whatever a last four-byte write
// carries beyond it, so that nothing stale goes out past the range's end.
void copyForWriting(const panel::PanelImage& from, panel::PanelImage& to, MemoryRange range)
{
    const std::uint32_t units = (range.length() + kTransferUnit - 1) / kTransferUnit;
    const std::uint32_t end = std::min<std::uint32_t>(range.start + units * kTransferUnit, panel::PanelImage::kSize);
    for (std::uint32_t a = range.start; a < end; ++a)
        to[a] = from[a];
}

} // namespace

PageTransfer::PageTransfer(Transfer transfer, panel::CUploadDoc& doc, NoticeSink& sink,
                           std::function<void()> enterIdle)
    : transfer_(transfer), doc_(doc), sink_(sink), enterIdle_(std::move(enterIdle))
{
}

int PageTransfer::operationCode() const
{
    return std::ranges::find(kTransferCodes, transfer_, &TransferCode::transfer)->code;
}

void PageTransfer::run(StepIo& io)
{
    if (io.step <= 1)
        start(io);
    else
        onReply(io);
    io.percent = stage_ < plan_.stages.size() ? progress() : 100;
}

void PageTransfer::start(StepIo& io)
{
    const auto held = doc_.lock();
    if (items_.empty() || itemsTypeCode_ != doc_.layout().typeCode()) {
        items_ = masterItems(doc_.layout());
        itemsTypeCode_ = doc_.layout().typeCode();
    }
    plan_ = planTransfer(transfer_, doc_, items_);
    if (isRead(transfer_) && !staging_)
        staging_ = std::make_unique<panel::PanelImage>();
    if (transfer_ == Transfer::WriteInstaller && !writeBuffer_)
        writeBuffer_ = std::make_unique<panel::PanelImage>();
    stage_ = 0;
    bytesDone_ = 0;
    requests_ = 0;
    enterStage(io);
}

// Sends the first request of the stage in force; stages with nothing to
// move are passed over, and after the last one the transfer is complete.
void PageTransfer::enterStage(StepIo& io)
{
    for (; stage_ < plan_.stages.size(); ++stage_) {
        const Stage& s = stage();
        cursor_ = s.range.start;
        item_ = 0;
        if (s.kind == StageKind::Write && s.source == WriteSource::WriteBuffer) {
            const auto held = doc_.lock();
            copyForWriting(doc_.image(), *writeBuffer_, s.range);
        }
        // A page select or the completion command always has its request.
        if ((!isRange(s.kind) && !isItems(s.kind)) || moreInStage()) {
            sentStep_ = s.step;
            buildRequest();
            send(io);
            return;
        }
        finishStage();
    }
    complete(io);
}

void PageTransfer::onReply(StepIo& io)
{
    if (stage_ >= plan_.stages.size() || !replyMatches(io.reply)) {
        send(io); // the same request again
        return;
    }
    const Stage& s = stage();
    if (s.kind == StageKind::Read) {
        for (std::uint32_t i = 0; i < kTransferUnit && cursor_ + i < panel::PanelImage::kSize; ++i)
            (*staging_)[cursor_ + i] = io.reply.at(2 + i);
    } else if (s.kind == StageKind::ReadItems) {
        const MemoryItem& item = plan_.items[item_];
        for (std::uint32_t i = 0; i < item.size; ++i)
            (*staging_)[item.address + i] = io.reply.at(2 + i);
    }
    afterMatch();
    if (moreInStage()) {
        buildRequest();
        send(io);
        return;
    }
    finishStage();
    ++stage_;
    enterStage(io);
}

bool PageTransfer::replyMatches(const CCommBuff& reply) const
{
    switch (stage().kind) {
    case StageKind::Read:
    case StageKind::ReadItems: {
        const bool four = request_[0] == kReadFour;
        const std::uint8_t code = four ? kReadFourReply : kReadOneReply;
        const std::size_t length = 2 + (four ? kTransferUnit : 1);
        return reply.code() == code && reply.count >= length && reply.at(1) == request_[1];
    }
    default:
        // Page selects, writes and the completion command are echoed exactly.
        return reply.count >= requestSize_ && std::equal(request_.begin(), request_.begin() + requestSize_,
                                                         reply.data.begin());
    }
}

void PageTransfer::afterMatch()
{
    const Stage& s = stage();
    if (isRange(s.kind)) {
        cursor_ += kTransferUnit;
    } else if (isItems(s.kind)) {
        bytesDone_ += plan_.items[item_].size;
        ++item_;
    }
}

bool PageTransfer::moreInStage() const
{
    const Stage& s = stage();
    if (isRange(s.kind))
        return cursor_ < s.range.end;
    if (isItems(s.kind))
        return item_ < plan_.items.size();
    return false; // a page select or the completion command, once echoed
}

void PageTransfer::finishStage()
{
    const Stage& s = stage();
    const auto held = doc_.lock(); // the item list goes in as one piece
    if (s.kind == StageKind::Read)
        commit(s.range);
    if (s.kind == StageKind::ReadItems)
        for (const MemoryItem& item : plan_.items)
            commit({item.address, static_cast<std::uint32_t>(item.address) + item.size});
    if (isRange(s.kind))
        bytesDone_ += s.range.length();
}

void PageTransfer::buildRequest()
{
    const Stage& s = stage();
    const auto set = [this](std::initializer_list<std::uint8_t> bytes) {
        std::copy(bytes.begin(), bytes.end(), request_.begin());
        requestSize_ = bytes.size();
    };
    const auto four = [](const panel::PanelImage& from, std::uint32_t a) {
        return std::array<std::uint8_t, 4>{from[a], from[a + 1], from[a + 2], from[a + 3]};
    };
    switch (s.kind) {
    case StageKind::SelectPage:
        set({kRamOne, link::ram_op::kWrite, location::kPageRegister, s.page});
        return;
    case StageKind::Read:
        set({kReadFour, low(cursor_)});
        return;
    case StageKind::Write: {
        const auto held = doc_.lock();
        const auto d = four(s.source == WriteSource::WriteBuffer ? *writeBuffer_ : doc_.image(), cursor_);
        set({kWriteFour, low(cursor_), d[0], d[1], d[2], d[3]});
        return;
    }
    case StageKind::ReadItems: {
        const MemoryItem& item = plan_.items[item_];
        set({item.size == kTransferUnit ? kReadFour : kReadOne, low(item.address)});
        return;
    }
    case StageKind::WriteItems: {
        const MemoryItem& item = plan_.items[item_];
        const auto held = doc_.lock();
        const auto d = four(doc_.image(), item.address);
        if (item.size == kTransferUnit)
            set({kWriteFour, low(item.address), d[0], d[1], d[2], d[3]});
        else
            set({kWriteOne, low(item.address), d[0]});
        return;
    }
    case StageKind::Completion:
        set({kRamOne, link::ram_op::kWriteSecondForm, location::kCommandLocation, link::command_value::kInstallerWritten});
        return;
    }
}

// Every address of the request is even or a fixed item address, so the
// address byte is never the 0xFF that no memory message may carry.
void PageTransfer::send(StepIo& io)
{
    link::buildMessage(io.out, std::span<const std::uint8_t>(request_.data(), requestSize_));
    io.step = static_cast<std::uint8_t>(sentStep_ + 1);
    ++requests_;
}

// Copies the bytes that differ into the image; only a changed byte marks
// the document modified.
void PageTransfer::commit(MemoryRange range)
{
    const auto held = doc_.lock();
    panel::PanelImage& image = doc_.image();
    bool changed = false;
    for (std::uint32_t a = range.start; a < range.end && a < panel::PanelImage::kSize; ++a) {
        if (image[a] != (*staging_)[a]) {
            image[a] = (*staging_)[a];
            changed = true;
        }
    }
    if (changed)
        doc_.markModified();
}

void PageTransfer::complete(StepIo& io)
{
    sink_.post(ImageChangedNotice{});
    ++completions_;
    enterIdle_();
    link::buildMessage(io.out, link::fixed_message::kTransferEnd);
}

std::uint8_t PageTransfer::progress() const
{
    const ProgressRule& rule = plan_.progress;
    const Stage& s = stage();
    const std::uint32_t inRange = isRange(s.kind) ? std::min(cursor_ - s.range.start, s.range.length()) : 0;
    unsigned percent = 0;
    if (rule.byBytes) {
        const unsigned done = bytesDone_ + inRange + sentStep_;
        percent = done * 100 / (plan_.totalBytes() + kMasterProgressSteps);
    } else if (isRange(s.kind) && s.progressBase) {
        const unsigned units = s.range.length() / kTransferUnit;
        const unsigned unitsDone = inRange / kTransferUnit;
        percent = static_cast<unsigned>(*s.progressBase) + (units ? rule.rangeWeight * unitsDone / units : 0);
    } else {
        percent = sentStep_ * 100u / static_cast<unsigned>(rule.lastStep);
    }
    return static_cast<std::uint8_t>(std::min(percent, 100u));
}

std::vector<std::unique_ptr<PageTransfer>> makePageTransfers(panel::CUploadDoc& doc, NoticeSink& sink,
                                                             const std::function<void()>& enterIdle)
{
    std::vector<std::unique_ptr<PageTransfer>> transfers;
    for (const TransferCode& t : kTransferCodes)
        transfers.push_back(std::make_unique<PageTransfer>(t.transfer, doc, sink, enterIdle));
    return transfers;
}

} // namespace qarvo::operations
