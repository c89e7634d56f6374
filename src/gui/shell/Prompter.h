#pragma once
// Everything the shell asks the user goes through the prompter: message
// boxes, modal dialogs and file names. The program uses the real widgets;
// tests install their own prompter and answer without blocking.
#include <QMessageBox>
#include <QString>

class QDialog;
class QWidget;

namespace qarvo::gui {

enum class MessageKind { Error, Warning, Information, Question };

class Prompter {
public:
    virtual ~Prompter() = default;

    // A message box; returns the button pressed.
    virtual QMessageBox::StandardButton message(QWidget* parent, MessageKind kind, const QString& text,
                                                QMessageBox::StandardButtons buttons = QMessageBox::Ok) = 0;
    // A message that offers one action besides leaving things as they are
    // (the Cancel button); true when the user chose the action. A prompter that
    // offers no choices shows the message, and things stay as they are.
    virtual bool offer(QWidget* parent, MessageKind kind, const QString& text, const QString& actionText)
    {
        (void)actionText;
        message(parent, kind, text);
        return false;
    }
    // A yes/no question with a "Don't ask again" box and, when details is
    // not empty, the details behind a button; true for yes. dontAskAgain
    // tells whether the box was ticked. A prompter without the box asks the
    // plain question.
    virtual bool confirm(QWidget* parent, const QString& text, const QString& details, bool& dontAskAgain)
    {
        (void)details;
        dontAskAgain = false;
        return message(parent, MessageKind::Question, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }
    // Runs a modal dialog; returns its result (QDialog::Accepted or Rejected).
    virtual int exec(QDialog& dialog) = 0;
    // A file name to open or to save as; empty when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& filter, const QString& proposed) = 0;
    // Opens a file with the desktop's default application for it.
    virtual void openWithDesktop(const QString& path);
};

// The prompter in use (the widgets one unless another was installed).
Prompter& prompter();
// Installs a prompter (nullptr: back to the widgets one). The caller keeps it.
void setPrompter(Prompter* replacement);

// Sizes the window to its contents, within the available area of its
// screen, and moves it so that it lies whole on that screen.
void fitOnScreen(QWidget& window);

// The widgets prompter: real message boxes, exec(), file dialogs.
class WidgetPrompter : public Prompter {
public:
    QMessageBox::StandardButton message(QWidget* parent, MessageKind kind, const QString& text,
                                        QMessageBox::StandardButtons buttons) override;
    bool offer(QWidget* parent, MessageKind kind, const QString& text, const QString& actionText) override;
    bool confirm(QWidget* parent, const QString& text, const QString& details, bool& dontAskAgain) override;
    // Runs the dialog whole and on the screen of its parent.
    int exec(QDialog& dialog) override;
    QString openFileName(QWidget* parent, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& filter, const QString& proposed) override;
};

} // namespace qarvo::gui
