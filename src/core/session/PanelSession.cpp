#include "session/PanelSession.h"

#include "app/Strings.h"
#include "base/TextIds.h"
#include "operations/CommandTransactions.h"
#include "operations/PageTransfer.h"

namespace qarvo::session {

PanelSession::PanelSession(NoticeSink& sink, link::ConnectionSettings settings, Timing timing, const Clock& clock)
    : sink(sink),
      link(sink, std::move(settings), timing),
      doc(strings::utf8(panel::CUploadDoc::kCurrentLogTextId)),
      worker(link, identifiedPanel, operations::OperationWorker::Hooks{[this](int code) { return gatherPages(code); }, [this] { onPanelIdentified(); }}),
      tavi(link, TaviTasks::Hooks{[this] { return worker.running(); },
                                  [this](Millis timeout) { return worker.waitStopped(timeout); },
                                  {},
                                  // The worker ends its panel link as part of the close,
                                  // without offering to keep the communicator.
                                  [this] { return worker.abort(true); }})
{
    worker.setCommunicatorPoll(&tavi.poll());
    auto reader = std::make_unique<eventlog::EventLogReader>(eventlog::EventLogReader::workerOf(worker), doc, sink);
    eventLogReader_ = reader.get();
    addStep(operations::kReadEventLog, std::move(reader));
    for (auto& transfer : operations::makePageTransfers(doc, sink, [this] { worker.enterIdle(); })) {
        const int code = transfer->operationCode();
        if (isRead(transfer->transfer())) {
            addStep(code, std::move(transfer));
            continue;
        }
        addStep(code, std::make_unique<BackupBeforeWrite>(
                          std::move(transfer), doc,
                          BackupBeforeWrite::Hooks{[this] { return backupFolder; },
                                                   [this] { return communicatorSerial(); },
                                                   [this](const BackupOutcome& outcome) { backupDone(outcome); },
                                                   [this] { worker.enterIdle(); }}));
    }
    for (auto& command : operations::makeCommandSteps(worker, doc.identity(), doc.layout(), clock))
        addStep(command.code, std::move(command.step));
}

PanelSession::~PanelSession()
{
    if (worker.running())
        worker.abort(true);
}

bool PanelSession::start(std::string* error) { return link.start(error); }

std::int32_t PanelSession::communicatorSerial() const
{
    const auto info = TaviModelInfo::parse(link.connection.modelInfo());
    return info ? info->serialNumber : 0;
}

std::optional<BackupOutcome> PanelSession::lastBackup() const
{
    const std::lock_guard held(backupMutex_);
    return lastBackup_;
}

void PanelSession::backupDone(const BackupOutcome& outcome)
{
    {
        const std::lock_guard held(backupMutex_);
        lastBackup_ = outcome;
    }
    sink.post(BackupNotice(outcome));
}

void PanelSession::addStep(int code, std::unique_ptr<operations::OperationStep> step)
{
    worker.setStep(code, step.get());
    steps_.push_back(std::move(step));
}

void PanelSession::onPanelIdentified()
{
    if (doc.checkModel(identifiedPanel)) {
        sink.post(ImageChangedNotice{});
        sink.post(MessageNotice{text_id::kDifferentPanel, {}});
    }
}

void PanelSession::refreshForms()
{
    const auto held = doc.lock();
    panel::imageToForms(doc, forms);
    formsInImage_ = forms;
    formsFilled_ = true;
}

std::optional<panel::FormError> PanelSession::storeForms()
{
    if (!formsFilled_)
        return std::nullopt;
    const auto held = doc.lock();
    auto error = panel::formsToImage(forms, doc);
    if (!error)
        formsInImage_ = forms;
    return error;
}

bool PanelSession::modified() const
{
    return doc.isModified() || (formsFilled_ && forms != formsInImage_);
}

bool PanelSession::gatherPages(int code)
{
    // A write always takes the pages and checks every value. Another page
    // operation takes them only when they were edited: a read replaces one
    // page's range, and edits of the other page must survive it; unedited
    // forms hold what the image holds, so a value the panel itself left
    // refused does not stop the next read.
    const bool write = code == operations::kWriteMaster || code == operations::kWriteInstaller;
    if (!write && formsFilled_ && forms == formsInImage_)
        return true;
    const auto error = storeForms();
    if (error)
        sink.post(FormRefusedNotice{*error});
    return !error;
}

} // namespace qarvo::session
