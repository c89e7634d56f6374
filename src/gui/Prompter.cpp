#include "gui/Prompter.h"

#include "gui/ProgramTexts.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QUrl>

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

int WidgetPrompter::exec(QDialog& dialog) { return dialog.exec(); }

QString WidgetPrompter::openFileName(QWidget* parent, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
}

QString WidgetPrompter::saveFileName(QWidget* parent, const QString& filter, const QString& proposed)
{
    return QFileDialog::getSaveFileName(parent, QString(), proposed, filter);
}

} // namespace qarvo::gui
