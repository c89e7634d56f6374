#include "gui/shell/CommandToolBar.h"

#include "gui/shell/ShellTexts.h"

#include <QAction>
#include <QStyle>

#include <algorithm>
#include <initializer_list>

namespace qarvo::gui {
namespace {

constexpr int kTaviPage = 4;
constexpr int kSeparator = -1;

struct SlotRow {
    int label; // kSeparator for a separator
    Act command;
    int picture;
    Act taviCommand;
    int taviPicture;
};

constexpr SlotRow kSlots[CommandToolBar::kSlotCount] = {
    {text_id::kToolNew, Act::New, 0, Act::New, 0},
    {text_id::kToolOpen, Act::Open, 1, Act::Open, 1},
    {text_id::kToolSave, Act::Save, 2, Act::Save, 2},
    {kSeparator, Act::Count, 0, Act::Count, 0},
    {text_id::kToolConnect, Act::ConnectToPanel, 4, Act::ConnectToCommunicator, 17},
    {text_id::kToolCallMe, Act::CallMe, 13, Act::CommunicatorCallMe, 18},
    {text_id::kToolWaiting, Act::WaitForCall, 9, Act::WaitForCall, 9},
    {text_id::kToolStop, Act::Abort, 8, Act::Abort, 8},
    {kSeparator, Act::Count, 0, Act::Count, 0},
    {text_id::kToolDownload, Act::ReadMaster, 11, Act::ReadMaster, 11},
    {text_id::kToolUpload, Act::WriteMaster, 12, Act::WriteMaster, 12},
    {text_id::kToolDownload, Act::ReadInstaller, 5, Act::ReadInstaller, 5},
    {text_id::kToolUpload, Act::WriteInstaller, 6, Act::WriteInstaller, 6},
    {text_id::kToolEvents, Act::ReadEventLog, 7, Act::ReadEventLog, 7},
    {text_id::kToolPreview, Act::PrintPreview, 10, Act::PrintPreview, 10},
    {text_id::kToolPrint, Act::Print, 3, Act::Print, 3},
    {text_id::kToolDownload, Act::ReadTaviOptions, 14, Act::ReadTaviOptions, 14},
    {text_id::kToolUpload, Act::WriteTaviOptions, 15, Act::WriteTaviOptions, 15},
    {text_id::kToolUpdate, Act::FirmwareUpdate, 16, Act::FirmwareUpdate, 16},
};

// Slots from here on are the page-specific ones.
constexpr int kFirstPageSlot = 9;

// The page-specific commands each page shows, by page.
const std::initializer_list<Act> kPageCommands[] = {
    {},
    {Act::ReadMaster, Act::WriteMaster},
    {Act::ReadInstaller, Act::WriteInstaller},
    {Act::ReadEventLog, Act::PrintPreview, Act::Print},
    {Act::ReadTaviOptions, Act::WriteTaviOptions, Act::FirmwareUpdate},
};

// The pictures by number, from the style's standard set.
constexpr QStyle::StandardPixmap kPictures[] = {
    QStyle::SP_FileIcon,                 // 0 new
    QStyle::SP_DialogOpenButton,         // 1 open
    QStyle::SP_DialogSaveButton,         // 2 save
    QStyle::SP_FileDialogListView,       // 3 print
    QStyle::SP_DriveNetIcon,             // 4 connect to panel
    QStyle::SP_ArrowDown,                // 5 read installer page
    QStyle::SP_ArrowUp,                  // 6 write installer page
    QStyle::SP_FileDialogContentsView,   // 7 read event log
    QStyle::SP_BrowserStop,              // 8 abort
    QStyle::SP_MediaPause,               // 9 wait for a call
    QStyle::SP_FileDialogInfoView,       // 10 print preview
    QStyle::SP_ArrowDown,                // 11 read master page
    QStyle::SP_ArrowUp,                  // 12 write master page
    QStyle::SP_CommandLink,              // 13 callme
    QStyle::SP_ArrowDown,                // 14 read communicator options
    QStyle::SP_ArrowUp,                  // 15 write communicator options
    QStyle::SP_BrowserReload,            // 16 firmware update
    QStyle::SP_ComputerIcon,             // 17 connect to communicator
    QStyle::SP_CommandLink,              // 18 communicator callme
};

std::optional<Act> commandOf(Act act)
{
    return act == Act::Count ? std::nullopt : std::optional<Act>(act);
}

} // namespace

CommandToolBar::CommandToolBar(const ShellActions& actions, QWidget* parent) : QToolBar(parent), actions_(actions)
{
    setObjectName(QStringLiteral("commandToolBar"));
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (int i = 0; i < kSlotCount; ++i) {
        const SlotRow& row = kSlots[i];
        Slot& slot = slots_[static_cast<std::size_t>(i)];
        if (row.label == kSeparator) {
            slot.button = addSeparator();
            continue;
        }
        slot.command = commandOf(row.command);
        slot.taviCommand = commandOf(row.taviCommand);
        slot.picture = row.picture;
        slot.taviPicture = row.taviPicture;
        slot.button = addAction(text(row.label));
        slot.button->setObjectName(QStringLiteral("slot%1").arg(i));
        connect(slot.button, &QAction::triggered, this, [this, i] {
            if (QAction* t = target(slots_[static_cast<std::size_t>(i)]))
                t->trigger();
        });
    }
    for (int i = kFirstPageSlot; i < kSlotCount; ++i)
        slots_[static_cast<std::size_t>(i)].button->setVisible(false);
    configure(0);
}

QAction* CommandToolBar::target(const Slot& slot) const
{
    const std::optional<Act> act = page_ == kTaviPage ? slot.taviCommand : slot.command;
    return act ? actions_[*act] : nullptr;
}

std::optional<Act> CommandToolBar::slotCommand(int slot) const
{
    const Slot& s = slots_[static_cast<std::size_t>(slot)];
    return page_ == kTaviPage ? s.taviCommand : s.command;
}

void CommandToolBar::configure(int page)
{
    page_ = page;
    const std::initializer_list<Act>& shown = kPageCommands[page];
    for (int i = 0; i < kSlotCount; ++i) {
        Slot& slot = slots_[static_cast<std::size_t>(i)];
        if (!slot.command)
            continue;
        const bool tavi = page == kTaviPage;
        slot.button->setIcon(style()->standardIcon(kPictures[tavi ? slot.taviPicture : slot.picture]));
        if (QAction* t = target(slot))
            slot.button->setToolTip(t->toolTip());
        if (i >= kFirstPageSlot)
            slot.button->setVisible(std::find(shown.begin(), shown.end(), *slot.command) != shown.end());
    }
    sync();
}

void CommandToolBar::sync()
{
    for (const Slot& slot : slots_)
        if (QAction* t = target(slot))
            slot.button->setEnabled(t->isEnabled());
}

std::vector<Act> CommandToolBar::visibleCommands() const
{
    std::vector<Act> visible;
    for (int i = 0; i < kSlotCount; ++i)
        if (slots_[static_cast<std::size_t>(i)].button->isVisible())
            if (const auto act = slotCommand(i))
                visible.push_back(*act);
    return visible;
}

} // namespace qarvo::gui
