#pragma once
// Every command of the main window as one QAction, described once in a
// table: its menu text, its prompt, its shortcut and the command state that
// enables it.
#include "base/CommandStates.h"

#include <QObject>

#include <array>
#include <optional>

class QAction;

namespace qarvo::gui {

enum class Act {
    New, Open, Save, SaveAs, Print, PrintPreview, PrintSetup, Exit, About,
    ConnectToPanel, CallMe, WaitForCall, Abort, ConnectToCommunicator, CommunicatorCallMe,
    ConnectionOptions, ChangePasswords, SelectLanguage,
    ReadMaster, WriteMaster, ReadInstaller, WriteInstaller, ReadEventLog,
    ReadTaviOptions, WriteTaviOptions, FirmwareUpdate,
    ShowOnline, ShowMaster, ShowInstaller, ShowEventLog, ShowTavi, NextPage, PreviousPage,
    Count
};
inline constexpr std::size_t kActCount = static_cast<std::size_t>(Act::Count);

// The page switch command of a page (0 to 4).
Act showPageAct(int page);

class ShellActions {
public:
    explicit ShellActions(QObject* owner);

    QAction* operator[](Act act) const { return actions_[static_cast<std::size_t>(act)]; }
    // The command state that enables the action, if any.
    static std::optional<Command> stateOf(Act act);

    // Mirrors the command states; documentBusy disables the commands that
    // replace the document while the worker may write into it.
    void refresh(const CommandStates& states, bool documentBusy);

private:
    std::array<QAction*, kActCount> actions_{};
};

} // namespace qarvo::gui
