#pragma once
// Enable states of the menu and toolbar commands that the link and the
// worker switch. Front-ends mirror them on the refresh notice.
#include <array>
#include <cstddef>
#include <mutex>

namespace qarvo {

enum class Command : std::size_t {
    ConnectToPanel,         // "&Connect to panel"
    CallMe,                 // "C&allMe"
    WaitForCall,            // "&Wait for a call"
    ConnectToCommunicator,  // "C&onnect to communicator"
    CommunicatorCallMe,     // "Communicator call&me"
    Abort,                  // "A&bort communication"
    ReadInstaller,
    WriteInstaller,
    ReadMaster,
    WriteMaster,
    ReadEventLog,
    ReadTaviOptions,
    WriteTaviOptions,
    FirmwareUpdate,
    Print,
    PrintPreview,
    Count
};

class CommandStates {
public:
    CommandStates();

    bool enabled(Command c) const;
    void set(Command c, bool on);

    // The four transitions of a panel session.
    void pageOperationStarts();
    void workerStart();
    void enterIdle();
    // connectToPanelNow is false when the panel link was up: the caller
    // enables "&Connect to panel" after the reconnect delay.
    void workerEnd(bool connectionOpen, bool connectToPanelNow);
    // The communicator connection opened or ended outside a panel session.
    void communicatorOpened(bool forWorker);
    void communicatorClosed();

private:
    void setAll(std::initializer_list<Command> commands, bool on);
    mutable std::mutex mutex_;
    std::array<bool, static_cast<std::size_t>(Command::Count)> enabled_{};
};

} // namespace qarvo
