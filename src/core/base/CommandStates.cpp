#include "base/CommandStates.h"

namespace qarvo {

namespace {
constexpr auto kPageTransfers = {Command::ReadInstaller, Command::WriteInstaller, Command::ReadMaster,
                                 Command::WriteMaster, Command::ReadEventLog};
constexpr auto kCommunicatorOptions = {Command::ReadTaviOptions, Command::WriteTaviOptions,
                                       Command::FirmwareUpdate};
constexpr auto kPrinting = {Command::Print, Command::PrintPreview};
constexpr auto kPanelConnects = {Command::ConnectToPanel, Command::CallMe, Command::WaitForCall};
constexpr auto kCommunicatorConnects = {Command::ConnectToCommunicator, Command::CommunicatorCallMe};
} // namespace

CommandStates::CommandStates()
{
    // A program that has just started: nothing is connected.
    workerEnd(false, true);
}

bool CommandStates::enabled(Command c) const
{
    std::lock_guard lock(mutex_);
    return enabled_[static_cast<std::size_t>(c)];
}

void CommandStates::set(Command c, bool on)
{
    std::lock_guard lock(mutex_);
    enabled_[static_cast<std::size_t>(c)] = on;
}

void CommandStates::setAll(std::initializer_list<Command> commands, bool on)
{
    std::lock_guard lock(mutex_);
    for (Command c : commands)
        enabled_[static_cast<std::size_t>(c)] = on;
}

void CommandStates::pageOperationStarts()
{
    setAll(kPanelConnects, false);
    setAll(kPageTransfers, false);
    setAll(kCommunicatorOptions, false);
    setAll(kPrinting, false);
}

void CommandStates::workerStart()
{
    setAll(kPanelConnects, false);
    setAll(kCommunicatorConnects, false);
    set(Command::Abort, true);
}

void CommandStates::enterIdle()
{
    setAll(kPanelConnects, false);
    setAll(kCommunicatorConnects, false);
    set(Command::Abort, true);
    setAll(kPageTransfers, true);
    setAll(kCommunicatorOptions, true);
    setAll(kPrinting, true);
}

void CommandStates::workerEnd(bool connectionOpen, bool connectToPanelNow)
{
    set(Command::ConnectToPanel, connectToPanelNow);
    setAll({Command::CallMe, Command::WaitForCall}, !connectionOpen);
    setAll(kCommunicatorConnects, !connectionOpen);
    set(Command::Abort, connectionOpen);
    setAll(kPageTransfers, false);
    setAll(kCommunicatorOptions, connectionOpen);
    setAll(kPrinting, true);
}

void CommandStates::communicatorOpened(bool forWorker)
{
    setAll(kCommunicatorConnects, false);
    set(Command::WaitForCall, false);
    set(Command::CallMe, false);
    set(Command::Abort, true);
    if (!forWorker) {
        set(Command::ConnectToPanel, true);
        setAll(kCommunicatorOptions, true);
    }
}

void CommandStates::communicatorClosed()
{
    setAll(kCommunicatorConnects, true);
    setAll({Command::CallMe, Command::WaitForCall, Command::ConnectToPanel}, true);
    set(Command::Abort, false);
    setAll(kCommunicatorOptions, false);
}

} // namespace qarvo
