#include "gui/shell/ShellActions.h"

#include "gui/shell/ShellTexts.h"

#include <QAction>
#include <QKeySequence>

namespace qarvo::gui {
namespace {

using namespace shell_text;

struct ActionRow {
    Act act;
    const char* name;
    int textId;   // menu text
    int promptId; // "status line\ntool tip", 0: none
    std::optional<Command> state;
    QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey;
    QKeyCombination key{}; // when no standard key names the shortcut
};

constexpr QKeyCombination kNoKey{};

constexpr ActionRow kActions[] = {
    {Act::New, "fileNew", kMenuNew, 0, {}, QKeySequence::New},
    {Act::Open, "fileOpen", kMenuOpen, 0, {}, QKeySequence::Open},
    {Act::Save, "fileSave", kMenuSave, 0, {}, QKeySequence::Save},
    {Act::SaveAs, "fileSaveAs", kMenuSaveAs, 0, {}},
    {Act::Print, "filePrint", kMenuPrint, 0, Command::Print, QKeySequence::Print},
    {Act::PrintPreview, "filePrintPreview", kMenuPrintPreview, 0, Command::PrintPreview, QKeySequence::UnknownKey,
     Qt::CTRL | Qt::SHIFT | Qt::Key_P},
    {Act::PrintSetup, "filePrintSetup", kMenuPrintSetup, 0, {}},
    {Act::Exit, "appExit", kMenuExit, 0, {}, QKeySequence::UnknownKey, Qt::CTRL | Qt::Key_Q},
    {Act::About, "appAbout", kMenuAbout, 0, {}},
    {Act::ConnectToPanel, "connectToPanel", kMenuConnectToPanel, 0, Command::ConnectToPanel},
    {Act::CallMe, "callMe", kMenuCallMe, 0, Command::CallMe},
    {Act::WaitForCall, "waitForCall", kMenuWaitForCall, kPromptWaitForCall, Command::WaitForCall},
    {Act::Abort, "abort", kMenuAbort, kPromptAbort, Command::Abort},
    {Act::ConnectToCommunicator, "connectToCommunicator", kMenuConnectToCommunicator, kPromptConnectToCommunicator,
     Command::ConnectToCommunicator},
    {Act::CommunicatorCallMe, "communicatorCallMe", kMenuCommunicatorCallMe, kPromptCommunicatorCallMe,
     Command::CommunicatorCallMe},
    {Act::ConnectionOptions, "connectionOptions", kMenuConnectionOptions, 0, {}},
    {Act::ChangePasswords, "changePasswords", kMenuChangePasswords, kPromptChangePasswords, {}},
    {Act::SelectLanguage, "selectLanguage", kMenuSelectLanguage, kPromptSelectLanguage, {}},
    {Act::ReadMaster, "readMaster", kMenuReadMaster, 0, Command::ReadMaster},
    {Act::WriteMaster, "writeMaster", kMenuWriteMaster, 0, Command::WriteMaster},
    {Act::ReadInstaller, "readInstaller", kMenuReadInstaller, 0, Command::ReadInstaller},
    {Act::WriteInstaller, "writeInstaller", kMenuWriteInstaller, 0, Command::WriteInstaller},
    {Act::ReadEventLog, "readEventLog", kMenuReadEventLog, 0, Command::ReadEventLog, QKeySequence::UnknownKey,
     Qt::CTRL | Qt::Key_E},
    {Act::ReadTaviOptions, "readTaviOptions", kMenuReadTaviOptions, kPromptReadTaviOptions, Command::ReadTaviOptions},
    {Act::WriteTaviOptions, "writeTaviOptions", kMenuWriteTaviOptions, kPromptWriteTaviOptions,
     Command::WriteTaviOptions},
    {Act::FirmwareUpdate, "firmwareUpdate", kMenuFirmwareUpdate, kPromptFirmwareUpdate, Command::FirmwareUpdate},
    {Act::ShowOnline, "showOnline", text_id::kPageOnlineStatus, kPromptShowOnline, {}, QKeySequence::UnknownKey,
     Qt::CTRL | Qt::Key_1},
    {Act::ShowMaster, "showMaster", text_id::kPageMasterFunctions, kPromptShowMaster, {}, QKeySequence::UnknownKey,
     Qt::CTRL | Qt::Key_2},
    {Act::ShowInstaller, "showInstaller", text_id::kPageInstallerFunctions, kPromptShowInstaller, {},
     QKeySequence::UnknownKey, Qt::CTRL | Qt::Key_3},
    {Act::ShowEventLog, "showEventLog", text_id::kPageEventLog, kPromptShowEventLog, {}, QKeySequence::UnknownKey,
     Qt::CTRL | Qt::Key_4},
    {Act::ShowTavi, "showTavi", text_id::kPageTavi, kPromptShowTavi, {}, QKeySequence::UnknownKey,
     Qt::CTRL | Qt::Key_5},
    {Act::NextPage, "nextPage", kMenuNextPage, 0, {}, QKeySequence::NextChild},
    {Act::PreviousPage, "previousPage", kMenuPreviousPage, 0, {}, QKeySequence::PreviousChild},
};
static_assert(std::size(kActions) == kActCount, "one row per action");

constexpr bool rowsInActOrder()
{
    for (std::size_t i = 0; i < std::size(kActions); ++i)
        if (static_cast<std::size_t>(kActions[i].act) != i)
            return false;
    return true;
}
static_assert(rowsInActOrder(), "rows in the order of Act");

// Actions that replace the open document.
constexpr Act kDocumentReplacing[] = {Act::New, Act::Open};

} // namespace

Act showPageAct(int page) { return static_cast<Act>(static_cast<int>(Act::ShowOnline) + page); }

ShellActions::ShellActions(QObject* owner)
{
    for (const ActionRow& row : kActions) {
        auto* action = new QAction(text(row.textId), owner);
        action->setObjectName(QString::fromLatin1(row.name));
        if (row.promptId) {
            action->setStatusTip(statusPart(row.promptId));
            action->setToolTip(toolTipPart(row.promptId));
        }
        if (row.standardKey != QKeySequence::UnknownKey)
            action->setShortcuts(row.standardKey);
        else if (row.key != kNoKey)
            action->setShortcut(QKeySequence(row.key));
        actions_[static_cast<std::size_t>(row.act)] = action;
    }
}

std::optional<Command> ShellActions::stateOf(Act act) { return kActions[static_cast<std::size_t>(act)].state; }

void ShellActions::refresh(const CommandStates& states, bool documentBusy)
{
    for (const ActionRow& row : kActions)
        if (row.state)
            (*this)[row.act]->setEnabled(states.enabled(*row.state));
    for (Act act : kDocumentReplacing)
        (*this)[act]->setEnabled(!documentBusy);
}

} // namespace qarvo::gui
