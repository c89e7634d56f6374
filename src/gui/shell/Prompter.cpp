#include "gui/shell/Prompter.h"

#include "gui/shell/ProgramTexts.h"
#include "gui/shell/ShellTexts.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include <algorithm>

namespace qarvo::gui {
namespace {

Prompter* installed = nullptr;

QMessageBox::Icon iconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Question:
        return QMessageBox::Question;
    case MessageKind::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

Prompter& prompter()
{
    static WidgetPrompter widgets;
    return installed ? *installed : widgets;
}

void setPrompter(Prompter* replacement) { installed = replacement; }

void Prompter::openWithDesktop(const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

QMessageBox::StandardButton WidgetPrompter::message(QWidget* parent, MessageKind kind, const QString& text,
                                                    QMessageBox::StandardButtons buttons)
{
    QMessageBox box(iconOf(kind), applicationTitle(), text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

bool WidgetPrompter::offer(QWidget* parent, MessageKind kind, const QString& text, const QString& actionText)
{
    QMessageBox box(iconOf(kind), applicationTitle(), text, QMessageBox::NoButton, parent);
    QPushButton* action = box.addButton(actionText, QMessageBox::AcceptRole);
    QPushButton* stay = box.addButton(gui::text(text_id::kCancel), QMessageBox::RejectRole);
    box.setDefaultButton(stay);
    box.setEscapeButton(stay);
    box.exec();
    return box.clickedButton() == action;
}

bool WidgetPrompter::confirm(QWidget* parent, const QString& text, const QString& details, bool& dontAskAgain)
{
    QMessageBox box(QMessageBox::Question, applicationTitle(), text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    if (!details.isEmpty())
        box.setDetailedText(details);
    auto* again = new QCheckBox(gui::text(text_id::kDontAskAgain));
    box.setCheckBox(again);
    const bool yes = box.exec() == QMessageBox::Yes;
    dontAskAgain = again->isChecked();
    return yes;
}

void fitOnScreen(QWidget& window)
{
    QWidget* anchor = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    QScreen* screen = anchor ? anchor->screen() : window.screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window.adjustSize();
    QSize size = window.size().boundedTo(area.size());
    size = size.expandedTo(window.minimumSize().boundedTo(area.size()));
    window.resize(size);
    QRect frame(QPoint(), size);
    frame.moveCenter(anchor ? anchor->frameGeometry().center() : area.center());
    frame.moveLeft(std::clamp(frame.left(), area.left(), std::max(area.left(), area.right() - size.width() + 1)));
    frame.moveTop(std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() - size.height() + 1)));
    window.move(frame.topLeft());
}

int WidgetPrompter::exec(QDialog& dialog)
{
    fitOnScreen(dialog);
    return dialog.exec();
}

QString WidgetPrompter::openFileName(QWidget* parent, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
}

QString WidgetPrompter::saveFileName(QWidget* parent, const QString& filter, const QString& proposed)
{
    return QFileDialog::getSaveFileName(parent, QString(), proposed, filter);
}

} // namespace qarvo::gui
