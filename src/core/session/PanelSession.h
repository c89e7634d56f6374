#pragma once
// One program's panel session, assembled in one place for both front-ends:
// the communicator link, the settings document, the operation worker and
// the operations it runs.
#include "base/Clock.h"
#include "base/NoticeSink.h"
#include "base/Timing.h"
#include "communicator/TaviTasks.h"
#include "eventlog/EventLogReader.h"
#include "link/Link.h"
#include "operations/OperationWorker.h"
#include "panel/CUploadDoc.h"
#include "panel/ProgrammingForms.h"
#include "session/BackupBeforeWrite.h"

#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace qarvo::session {

class PanelSession {
public:
    // The clock is the one the panel clock is set from.
    PanelSession(NoticeSink& sink, link::ConnectionSettings settings, Timing timing = {},
                 const Clock& clock = systemClock());
    ~PanelSession();

    // Binds the socket (see link::Link::start).
    bool start(std::string* error = nullptr);

    NoticeSink& sink;
    link::Link link;
    // The session owns the document. The worker's steps change it only
    // under doc.lock(), one whole step at a time; the front-end holds the
    // same lock to read what a running operation may change.
    panel::CUploadDoc doc;
    // What the panel said of itself at identification, written on the
    // worker thread; the model check copies it into the document.
    panel::PanelIdentity identifiedPanel;
    operations::OperationWorker worker;
    // The communicator options page's side: its exchanges, the state poll
    // (which the worker pauses while it talks to the panel) and the
    // firmware update.
    TaviTasks tavi;
    // What the programming pages show and edit. The front-end fills the
    // forms from the image whenever the image changed (new document, open,
    // page read, panel model change); saves and page writes store them back
    // first and stop at the first refused value.
    panel::ProgrammingForms forms;
    // The data folder under which each page write first keeps the panel's
    // current pages (backups/<serial>-<panel ID>/); none: writes keep no
    // backup. Set it before a write starts.
    std::optional<std::filesystem::path> backupFolder;

    // The backup kept before the last write, or why none could be kept
    // (the write then sent nothing), with the panel's pages as read; from
    // any thread. The sink hears of each as a BackupNotice on the worker
    // thread, once this holds it and before the write goes on.
    std::optional<BackupOutcome> lastBackup() const;

    // The serial number of the communicator connected to (from its model
    // information); 0 before any has answered.
    std::int32_t communicatorSerial() const;

    void refreshForms();
    // Forms to image; nothing is stored while the forms were never filled
    // (a front-end without pages keeps the image as it is).
    std::optional<panel::FormError> storeForms();
    // Whether the document differs from the file it was last opened from or
    // saved to (or from a new document): the document changed, or the forms
    // hold edits that are not in the image yet.
    bool modified() const;
    // The worker's hook before the page operation with this code: stores
    // the forms into the image (see the rule in the definition); false,
    // after a FormRefusedNotice with the refused value, stops the operation.
    bool gatherPages(int code);

    // Keeps an operation step alive for the session and hands it to the worker.
    void addStep(int code, std::unique_ptr<operations::OperationStep> step);

    // Operation 7. The front-end sets the options before it starts the reading.
    eventlog::EventLogReader& eventLogReader() { return *eventLogReader_; }

private:
    // The model check: a panel of another model than the document is laid
    // out for resets the document to that model's defaults, once.
    void onPanelIdentified();

    void backupDone(const BackupOutcome& outcome);

    std::vector<std::unique_ptr<operations::OperationStep>> steps_;
    mutable std::mutex backupMutex_;
    std::optional<BackupOutcome> lastBackup_;
    eventlog::EventLogReader* eventLogReader_ = nullptr;
    bool formsFilled_ = false;
    // The forms as the image last gave them or took them.
    panel::ProgrammingForms formsInImage_;
};

} // namespace qarvo::session
