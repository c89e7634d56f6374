#include "gui/shell/CUploadApp.h"

#include "app/Passwords.h"
#include "gui/dialogs/CLoginDlg.h"
#include "gui/shell/CMainFrame.h"
#include "gui/shell/DemoPeers.h"
#include "gui/shell/ProgramTexts.h"
#include "gui/shell/Prompter.h"
#include "sim/SimSite.h"
#include "gui/shell/ShellTexts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>

#include <iostream>

namespace qarvo::gui {

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--home") && i + 1 < arguments.size())
            line.home = arguments[++i];
        else if (a == QLatin1String("--demo"))
            line.demo = true;
        else if (a == QLatin1String("--partitioned"))
            line.partitioned = true;
        else if (!a.startsWith(u'-') && line.document.isEmpty())
            line.document = a;
    }
    return line;
}

std::optional<QString> commandLineAnswer(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h"))
            return text(text_id::kCommandLineHelp) + u'\n';
        if (a == QLatin1String("--version"))
            return versionTexts().productName + u' ' + versionTexts().productVersion + u'\n';
    }
    return std::nullopt;
}

app::ProgramFiles programFiles(const CommandLine& line, const QString& homeVariable, const QString& executableDirectory)
{
    return app::ProgramFiles::locate(line.home, homeVariable, executableDirectory);
}

CUploadApp::CUploadApp(QStringList arguments)
    : arguments_(std::move(arguments)), line_(parseCommandLine(arguments_))
{
}

CUploadApp::~CUploadApp()
{
    frame_.reset();
    demo_.reset();
}

bool CUploadApp::locateProgram()
{
    const QString path = QCoreApplication::applicationFilePath();
    if (path.isEmpty()) {
        prompter().message(nullptr, MessageKind::Error, text(shell_text::kNoModuleName),
                           QMessageBox::Yes | QMessageBox::No);
        return false;
    }
    files_ = programFiles(line_, qEnvironmentVariable(kHomeVariable), QFileInfo(path).absolutePath());
    return true;
}

void CUploadApp::loadLanguage()
{
    // The default locale is the system's unless the run was given another.
    if (language_.load(files_.sharedDirectories, settings_.language(), QLocale()) ==
        app::CurrentLanguage::Result::Missing)
        prompter().message(nullptr, MessageKind::Error, text(shell_text::kNoLanguagePack),
                           QMessageBox::Yes | QMessageBox::No);
    setVersionTexts(versionTextsOf(language_));
}

std::optional<QString> CUploadApp::login(const app::PagePasswords& passwords)
{
    using Outcome = app::passwords::LoginAttempts::Outcome;
    app::passwords::LoginAttempts attempts(passwords);
    for (;;) {
        CLoginDlg dialog;
        if (prompter().exec(dialog) != QDialog::Accepted)
            return std::nullopt;
        const Outcome outcome = attempts.submit(dialog.password());
        if (outcome == Outcome::Accepted)
            return attempts.loginText();
        prompter().message(nullptr, MessageKind::Warning, text(attempts.message()));
        if (outcome == Outcome::Failed)
            return std::nullopt;
    }
}

bool CUploadApp::startDemo()
{
    demo_ = std::make_unique<DemoPeers>();
    // The demo site lives: a zone is walked through now and then, and
    // arming takes an exit time.
    demo_->panel().setActivity(sim::demoActivity());
    if (line_.partitioned)
        sim::splitIntoPartitions(demo_->panel());
    if (demo_->start())
        return true;
    std::cerr << "The embedded simulator could not start on 127.0.0.1." << std::endl;
    demo_.reset();
    return false;
}

void CUploadApp::createMainFrame()
{
    FrameSetup setup{files_.configDirectory, timing_, {}, {}, files_.sharedDirectories, files_.dataDirectory};
    if (demo_) {
        setup.demoSettings = [demo = demo_.get()](link::ConnectionSettings& s) { demo->pointSettingsAt(s); };
        setup.demoCallProgram = [demo = demo_.get()](std::uint16_t port) { demo->callProgramLater(port); };
    }
    frame_ = std::make_unique<CMainFrame>(std::move(setup), settings_, language_);
}

bool CUploadApp::initInstance()
{
    if (!locateProgram()) {
        exitCode_ = kStartFailed;
        return false;
    }
    loadLanguage();
    const app::PagePasswords passwords = settings_.passwords();
    QString loginText;
    if (app::passwords::loginRequired(passwords)) {
        const auto entered = login(passwords);
        if (!entered) {
            exitCode_ = kStartFailed;
            return false;
        }
        loginText = *entered;
    }
    if (line_.demo)
        startDemo();
    createMainFrame();
    if (!line_.document.isEmpty())
        frame_->openDocument(line_.document);
    frame_->showRestored();
    firstPage_ = app::passwords::firstPage(passwords, loginText);
    frame_->setCurrentPage(firstPage_);
    if (demo_)
        QTimer::singleShot(0, frame_.get(), [frame = frame_.get()] { frame->connectToPanelNow(); });
    return true;
}

} // namespace qarvo::gui
