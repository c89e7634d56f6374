#pragma once
// The command toolbar: 19 slots, each a picture with a text label. Slots 4
// and 5 carry the communicator's connect commands on the "Tavi" page and
// the panel's elsewhere; the page-specific slots show only on their page.
#include "gui/shell/ShellActions.h"

#include <QToolBar>

#include <vector>

namespace qarvo::gui {

class CommandToolBar : public QToolBar {
    Q_OBJECT
public:
    static constexpr int kSlotCount = 19;

    CommandToolBar(const ShellActions& actions, QWidget* parent = nullptr);

    // Shows the buttons of the page and points slots 4 and 5 at its commands.
    void configure(int page);
    // Each slot takes the enabled state of the command it stands for.
    void sync();

    // The command a slot stands for on the current page; nullopt for a separator.
    std::optional<Act> slotCommand(int slot) const;
    QAction* slotAction(int slot) const { return slots_[static_cast<std::size_t>(slot)].button; }
    // The commands whose buttons are visible, in slot order.
    std::vector<Act> visibleCommands() const;

private:
    struct Slot {
        QAction* button = nullptr;
        std::optional<Act> command;     // elsewhere
        std::optional<Act> taviCommand; // on the "Tavi" page
        int picture = 0;
        int taviPicture = 0;
    };
    QAction* target(const Slot& slot) const;

    const ShellActions& actions_;
    std::array<Slot, kSlotCount> slots_{};
    int page_ = 0;
};

} // namespace qarvo::gui
