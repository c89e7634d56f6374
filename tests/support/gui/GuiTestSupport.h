#pragma once
// What the shell's tests share: a prompter that answers every dialog and
// records every message, and a temporary program directory with its own
// settings store.
#include "gui/shell/CUploadApp.h"
#include "gui/shell/Prompter.h"
#include "link/ConnectionSettings.h"
#include "support/Timing.h"

#include <QDialog>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace qarvo::testing {

class ScriptedPrompter : public gui::Prompter {
public:
    using Answer = std::function<int(QDialog&)>;
    struct Message {
        gui::MessageKind kind;
        QString text;
    };

    ScriptedPrompter();
    ~ScriptedPrompter() override;

    QMessageBox::StandardButton message(QWidget* parent, gui::MessageKind kind, const QString& text,
                                        QMessageBox::StandardButtons buttons) override;
    // Takes the next queued answer; a dialog without one is cancelled.
    int exec(QDialog& dialog) override;
    QString openFileName(QWidget* parent, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& filter, const QString& proposed) override;
    // Records the file instead of opening it.
    void openWithDesktop(const QString& path) override { opened << path; }

    void answer(Answer a) { answers.push_back(std::move(a)); }
    // The texts of the messages shown, in order.
    QStringList messageTexts() const;
    bool shown(int textId) const;
    int count(int textId) const;

    std::deque<Answer> answers;
    // The buttons pressed in the next message boxes that offer them; a box
    // without one queued gets OK, or Yes where it has no OK.
    std::deque<QMessageBox::StandardButton> buttons;
    std::vector<Message> messages;
    QStringList dialogs; // object names of the dialogs run
    QString fileToOpen;
    QString fileToSave;
    QStringList opened; // files handed to the desktop
};

// Answers: press OK (or the dialog's accept button) and report the result;
// type into a line edit first; cancel.
int pressOk(QDialog& dialog);
ScriptedPrompter::Answer typeAndOk(const QString& field, const QString& text);
ScriptedPrompter::Answer cancelDialog();

// A temporary program directory and settings store, used for the test's
// whole run.
class TestHome {
public:
    TestHome();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    void writeConnectionSettings(const link::ConnectionSettings& settings) const;
    // Copies the built language pack of the code into the directory.
    bool installPack(const QString& code) const;

private:
    QTemporaryDir dir_;
};

// Clears the "Settings" section and the recent files, and stores English
// so that no language message comes up.
void resetSettings(const QString& language = QStringLiteral("ENU"));

// Connection settings as a user's saved file holds them: the communicator's
// defaults with a callback server named.
link::ConnectionSettings savedSettings();

// How long a test waits for a step on the link that the simulator answers
// (connecting, a page read or write, ending the link), in ms: room for a
// loaded machine, never waited out by a passing test.
inline constexpr int kLinkTimeout = 10000;

// The program as a user starts it on the test's program directory, with
// more arguments ("--demo") and the answered tests' time-outs; nullptr when
// it did not start.
std::unique_ptr<gui::CUploadApp> startProgram(const TestHome& home, const QStringList& arguments = {});

} // namespace qarvo::testing
