#include "gui/shell/StatusPanes.h"

#include "app/Strings.h"
#include "gui/shell/ShellTexts.h"

#include <QLabel>
#include <QStatusBar>

namespace qarvo::gui {
namespace {

struct PaneRow {
    int width;
    int labelId; // 0: no fixed label
};

// Panes 1 to 5 (pane 0 is the status bar's own message area).
constexpr PaneRow kPanes[] = {
    {40, text_id::kPaneTavi},
    {80, 0},
    {10, 0},
    {30, text_id::kPanePanel},
    {180, 0},
};

struct StateColour {
    int textId;
    QRgb colour;
};

constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr StateColour kStateColours[] = {
    {text_id::kConnecting, kYellow},
    {text_id::kDisconnecting, kYellow},
    {text_id::kConnected, qRgb(0, 255, 0)},
    {text_id::kDisconnected, qRgb(255, 0, 0)},
};

// A pane label that asks for its width but can shrink with the window.
class PaneLabel : public QLabel {
public:
    explicit PaneLabel(int width) : width_(width) { setMargin(1); }
    QSize sizeHint() const override { return {std::max(width_, QLabel::sizeHint().width()), QLabel::sizeHint().height()}; }
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

private:
    int width_;
};

} // namespace

QColor paneColourFor(int textId)
{
    for (const StateColour& s : kStateColours)
        if (s.textId == textId)
            return QColor(s.colour);
    return {};
}

int stopHintFor(bool panelLinkUp, bool communicatorOpen)
{
    if (panelLinkUp)
        return text_id::kStopEndsPanelLink;
    return communicatorOpen ? text_id::kStopClosesCommunicator : 0;
}

StatusPanes::StatusPanes(QStatusBar& bar) : QObject(&bar), bar_(bar)
{
    // Stop ends the panel link first and the communicator connection only
    // at a second Stop: the message pane says which one comes next.
    stopHint_ = new QLabel;
    stopHint_->setObjectName(QStringLiteral("stopHint"));
    stopHint_->setMinimumWidth(0);
    stopHint_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar_.addWidget(stopHint_, 1);
    for (std::size_t i = 1; i < kPaneCount; ++i) {
        const PaneRow& row = kPanes[i - 1];
        auto* label = new PaneLabel(row.width);
        label->setObjectName(QStringLiteral("pane%1").arg(i));
        if (row.labelId) {
            label->setText(gui::text(row.labelId));
            textIds_[i] = row.labelId;
        }
        bar_.addPermanentWidget(label);
        panes_[i] = label;
    }
    setConnectionStatus(kCommunicatorPane, text_id::kDisconnected);
    setConnectionStatus(kPanelPane, text_id::kDisconnected);
}

void StatusPanes::setConnectionStatus(int pane, int textId, std::optional<long> number)
{
    QLabel* label = panes_[static_cast<std::size_t>(pane)];
    textIds_[static_cast<std::size_t>(pane)] = textId;
    label->setText(number ? strings::format(textId, *number) : gui::text(textId));
    const QColor colour = paneColourFor(textId);
    if (!colour.isValid())
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, bar_.palette().color(QPalette::WindowText));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

void StatusPanes::setStopHint(int textId)
{
    stopHintId_ = textId;
    stopHint_->setText(textId ? gui::text(textId) : QString());
    stopHint_->setToolTip(stopHint_->text());
}

QString StatusPanes::stopHintText() const { return stopHint_->text(); }

QString StatusPanes::text(int pane) const
{
    if (pane == 0)
        return bar_.currentMessage();
    return panes_[static_cast<std::size_t>(pane)]->text();
}

QColor StatusPanes::colour(int pane) const
{
    const QLabel* label = panes_[static_cast<std::size_t>(pane)];
    return label && label->autoFillBackground() ? label->palette().color(QPalette::Window) : QColor();
}

} // namespace qarvo::gui
