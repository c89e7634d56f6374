#pragma once
// A page write that first keeps a backup of what the panel holds: under the
// write's own operation code it reads the installer page and the master page
// into a copy of the document (the document itself is left as the pages
// made it), keeps that copy as a timestamped settings document under the
// data folder's backups/<communicator serial>-<panel ID>/ (the newest 20
// stay), and only then writes. A backup that cannot be saved ends the
// operation before anything is written, and so does a panel that already
// holds every byte the write would send. Without a data folder the write
// runs alone.
//
// Threading: begin() runs where the operation is set, run() on the worker
// thread; the hooks are called on the worker thread.
#include "base/NoticeSink.h"
#include "operations/OperationCodes.h"
#include "operations/PageTransfer.h"
#include "panel/CUploadDoc.h"

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace qarvo::session {

// How the backup before a write went (what the front-end is told), with
// the panel's pages as they were read before the write.
struct BackupOutcome : BackupNotice {
    std::shared_ptr<const panel::CUploadDoc> panelCopy;
};

class BackupBeforeWrite final : public operations::OperationStep {
public:
    struct Hooks {
        // The data folder the backups go under; nullopt: no backup.
        std::function<std::optional<std::filesystem::path>()> dataFolder;
        // The connected communicator's serial number, which keys the backups.
        std::function<std::int32_t()> communicatorSerial;
        // The backup was kept, or could not be (nothing is then written).
        std::function<void(const BackupOutcome&)> done;
        // Hands the worker back to the idle poll.
        std::function<void()> enterIdle;
    };

    BackupBeforeWrite(std::unique_ptr<operations::PageTransfer> write, panel::CUploadDoc& doc, Hooks hooks);

    void begin() override;
    void run(operations::StepIo& io) override;

    operations::PageTransfer& write() { return *write_; }

private:
    enum class Phase { ReadInstaller, ReadMaster, Write, Ended };

    operations::PageTransfer& transferOf(Phase phase);
    void startPhase(operations::StepIo& io);
    // After the master page is read: keeps the backup and returns true when
    // the write is to go on; false when the backup could not be kept or
    // the panel already holds the page.
    bool keepBackup();
    std::uint8_t overallPercent(std::uint8_t phasePercent) const;

    std::unique_ptr<operations::PageTransfer> write_;
    panel::CUploadDoc& doc_;
    Hooks hooks_;
    NullSink quiet_; // the backup's reads tell the front-end nothing
    panel::CUploadDoc backup_;
    std::array<std::unique_ptr<operations::PageTransfer>, 2> reads_;

    std::optional<std::filesystem::path> folder_; // of this write; none: no backup
    Phase phase_ = Phase::Write;
    bool starting_ = true;   // the next run() starts the phase
    unsigned completions_ = 0; // of the phase's transfer when it started
};

} // namespace qarvo::session
