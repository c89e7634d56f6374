#include "GuiTestSupport.h"

#include "app/Languages.h"
#include "app/UserSettings.h"
#include "gui/shell/ShellTexts.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

namespace qarvo::testing {

ScriptedPrompter::ScriptedPrompter() { gui::setPrompter(this); }
ScriptedPrompter::~ScriptedPrompter() { gui::setPrompter(nullptr); }

QMessageBox::StandardButton ScriptedPrompter::message(QWidget*, gui::MessageKind kind, const QString& text,
                                                      QMessageBox::StandardButtons offered)
{
    messages.push_back({kind, text});
    if (!buttons.empty() && offered.testFlag(buttons.front())) {
        const QMessageBox::StandardButton pressed = buttons.front();
        buttons.pop_front();
        return pressed;
    }
    return offered.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::Yes;
}

int ScriptedPrompter::exec(QDialog& dialog)
{
    dialogs << dialog.objectName();
    if (answers.empty())
        return QDialog::Rejected;
    Answer a = std::move(answers.front());
    answers.pop_front();
    return a(dialog);
}

QString ScriptedPrompter::openFileName(QWidget*, const QString&) { return fileToOpen; }
QString ScriptedPrompter::saveFileName(QWidget*, const QString&, const QString&) { return fileToSave; }

QStringList ScriptedPrompter::messageTexts() const
{
    QStringList texts;
    for (const Message& m : messages)
        texts << m.text;
    return texts;
}

bool ScriptedPrompter::shown(int textId) const { return count(textId) > 0; }

int ScriptedPrompter::count(int textId) const
{
    return static_cast<int>(messageTexts().count(gui::text(textId)));
}

int pressOk(QDialog& dialog)
{
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    if (!buttons)
        return QDialog::Rejected;
    dialog.setResult(QDialog::Rejected);
    buttons->button(QDialogButtonBox::Ok)->click();
    return dialog.result();
}

ScriptedPrompter::Answer typeAndOk(const QString& field, const QString& text)
{
    return [field, text](QDialog& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>(field);
        if (!edit)
            return int(QDialog::Rejected);
        edit->setText(text);
        return pressOk(dialog);
    };
}

ScriptedPrompter::Answer cancelDialog()
{
    return [](QDialog&) { return int(QDialog::Rejected); };
}

TestHome::TestHome()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.filePath(QStringLiteral("settings")));
    qputenv("QARVOIP_HOME", dir_.path().toLocal8Bit());
}

void TestHome::writeConnectionSettings(const link::ConnectionSettings& settings) const
{
    link::saveSettings(file(QString::fromLatin1(link::kSettingsFileName)).toStdString(), settings);
}

bool TestHome::installPack(const QString& code) const
{
    const QString name = app::packFileName(code);
    return QFile::copy(QDir(QStringLiteral(QARVO_PACK_DIR)).filePath(name), file(name));
}

void resetSettings(const QString& language)
{
    app::UserSettings settings;
    settings.setPasswords({});
    settings.setPlacement({});
    settings.setMaximised(false);
    for (const app::Confirmation c : {app::Confirmation::PageWrite, app::Confirmation::ArmingWithOpenZones})
        settings.setAsks(c, true);
    settings.setRecentFiles({});
    settings.setLanguage(language);
    settings.sync();
}

link::ConnectionSettings savedSettings()
{
    link::ConnectionSettings settings;
    settings.callbackServer = "127.0.0.1";
    return settings;
}

std::unique_ptr<gui::CUploadApp> startProgram(const TestHome& home, const QStringList& arguments)
{
    auto app = std::make_unique<gui::CUploadApp>(QStringList{"qarvoip", "--home", home.path()} + arguments);
    app->setTiming(answeredTiming());
    return app->initInstance() ? std::move(app) : nullptr;
}

} // namespace qarvo::testing
