#include "session/BackupBeforeWrite.h"

#include "app/PanelBackup.h"
#include "operations/WrittenPages.h"

#include <QDateTime>

namespace qarvo::session {

using operations::PageTransfer;
using operations::Transfer;

namespace {
// Shares of the progress bar: each backup read a quarter, the write a half.
constexpr unsigned kReadShare = 25;
} // namespace

BackupBeforeWrite::BackupBeforeWrite(std::unique_ptr<PageTransfer> write, panel::CUploadDoc& doc, Hooks hooks)
    : write_(std::move(write)), doc_(doc), hooks_(std::move(hooks)), backup_(doc)
{
    const auto noIdle = [] {}; // the write that follows is still to come
    reads_[0] = std::make_unique<PageTransfer>(Transfer::ReadInstaller, backup_, quiet_, noIdle);
    reads_[1] = std::make_unique<PageTransfer>(Transfer::ReadMaster, backup_, quiet_, noIdle);
}

void BackupBeforeWrite::begin()
{
    folder_ = hooks_.dataFolder ? hooks_.dataFolder() : std::nullopt;
    phase_ = folder_ ? Phase::ReadInstaller : Phase::Write;
    starting_ = true;
    write_->begin();
}

PageTransfer& BackupBeforeWrite::transferOf(Phase phase)
{
    switch (phase) {
    case Phase::ReadInstaller:
        return *reads_[0];
    case Phase::ReadMaster:
        return *reads_[1];
    default:
        return *write_;
    }
}

void BackupBeforeWrite::startPhase(operations::StepIo& io)
{
    if (phase_ == Phase::ReadInstaller) {
        // The backup is the document as it is, with the panel's pages in
        // place of the image's.
        const auto held = doc_.lock();
        backup_ = doc_;
    }
    starting_ = false;
    completions_ = transferOf(phase_).completions();
    io.step = 1;
}

void BackupBeforeWrite::run(operations::StepIo& io)
{
    if (phase_ == Phase::Ended)
        return;
    if (starting_)
        startPhase(io);
    PageTransfer& transfer = transferOf(phase_);
    transfer.run(io);
    io.percent = overallPercent(io.percent);
    if (phase_ == Phase::Write || transfer.completions() == completions_)
        return;
    // A backup read is over; its closing request is on its way, and the
    // next phase starts with the answer.
    if (phase_ == Phase::ReadInstaller) {
        phase_ = Phase::ReadMaster;
        starting_ = true;
    } else if (keepBackup()) {
        phase_ = Phase::Write;
        starting_ = true;
    } else {
        phase_ = Phase::Ended;
        if (hooks_.enterIdle)
            hooks_.enterIdle();
    }
}

bool BackupBeforeWrite::keepBackup()
{
    BackupOutcome outcome;
    outcome.panelCopy = std::make_shared<const panel::CUploadDoc>(backup_);
    {
        const auto held = doc_.lock();
        outcome.upToDate = operations::alreadyWritten(write_->transfer(), doc_, backup_);
    }
    if (!outcome.upToDate) {
        const std::int32_t serial = hooks_.communicatorSerial ? hooks_.communicatorSerial() : 0;
        outcome.failure = app::keepBackup(backup_, app::backupFolder(*folder_, serial, app::panelIdOf(backup_)),
                                          QDateTime::currentDateTime(), outcome.file);
    }
    if (hooks_.done)
        hooks_.done(outcome);
    return outcome.kept();
}

std::uint8_t BackupBeforeWrite::overallPercent(std::uint8_t phasePercent) const
{
    if (!folder_)
        return phasePercent;
    switch (phase_) {
    case Phase::ReadInstaller:
        return static_cast<std::uint8_t>(phasePercent * kReadShare / 100);
    case Phase::ReadMaster:
        return static_cast<std::uint8_t>(kReadShare + phasePercent * kReadShare / 100);
    default:
        return static_cast<std::uint8_t>(2 * kReadShare + phasePercent * (100 - 2 * kReadShare) / 100);
    }
}

} // namespace qarvo::session
