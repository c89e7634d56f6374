#pragma once
// The status bar's panes: 0 the message pane, 1 the "Tavi" label, 2 the
// communicator's connection state, 3 a spacer, 4 the "Panel" label and 5
// the panel's connection state. A state pane's background follows its
// text: connecting and disconnecting yellow, connected green, disconnected
// red; any other text keeps the colour.
#include <QColor>
#include <QObject>
#include <QString>

#include <array>
#include <optional>

class QLabel;
class QStatusBar;

namespace qarvo::gui {

inline constexpr int kCommunicatorPane = 2;
inline constexpr int kPanelPane = 5;

// The background a state text gives its pane; invalid when it keeps the colour.
QColor paneColourFor(int textId);

// What the next Stop ends, as a text id: the panel link while it is up,
// else the communicator connection while it is open; 0 when nothing is.
int stopHintFor(bool panelLinkUp, bool communicatorOpen);

class StatusPanes : public QObject {
    Q_OBJECT
public:
    static constexpr int kPaneCount = 6;
    explicit StatusPanes(QStatusBar& bar);

    // Pane 2 or 5 shows the text of the id.
    // A format text (a per cent) shows with its number filled in.
    void setConnectionStatus(int pane, int textId, std::optional<long> number = std::nullopt);
    // The message pane's standing text (0: none); tips shown over it pass.
    void setStopHint(int textId);
    int stopHint() const { return stopHintId_; }
    QString stopHintText() const;

    QString text(int pane) const;
    // The pane's background colour (invalid: none painted yet).
    QColor colour(int pane) const;
    int textId(int pane) const { return textIds_[static_cast<std::size_t>(pane)]; }

private:
    QStatusBar& bar_;
    std::array<QLabel*, kPaneCount> panes_{};
    std::array<int, kPaneCount> textIds_{};
    QLabel* stopHint_ = nullptr;
    int stopHintId_ = 0;
};

} // namespace qarvo::gui
