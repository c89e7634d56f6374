#pragma once
// The application: from process start to the main window's first page.
// It locates the program directory, reads the per-user settings, loads the
// language, asks the start-up login, creates the main window with the
// document of the command line and, in demo mode, the embedded simulator.
#include "app/Languages.h"
#include "app/ProgramFiles.h"
#include "app/UserSettings.h"
#include "base/Timing.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace qarvo::gui {

class CMainFrame;
class DemoPeers;

using app::kHomeVariable;

struct CommandLine {
    QString home;     // --home DIR
    bool demo = false; // --demo
    bool partitioned = false; // --partitioned: the demo panel works with two partitions
    QString document; // the first argument that is not an option
};
// The arguments after the program's own name.
CommandLine parseCommandLine(const QStringList& arguments);
// What --help (-h) or --version prints instead of starting; nothing for
// any other command line.
std::optional<QString> commandLineAnswer(const QStringList& arguments);
// --home, else the environment's QARVOIP_HOME, else the installed places.
app::ProgramFiles programFiles(const CommandLine& line, const QString& homeVariable, const QString& executableDirectory);

class CUploadApp {
public:
    static constexpr int kStartFailed = 1;

    // arguments as the process got them, the program's name first.
    explicit CUploadApp(QStringList arguments);
    ~CUploadApp();
    CUploadApp(const CUploadApp&) = delete;
    CUploadApp& operator=(const CUploadApp&) = delete;

    // Time-outs of the link (tests shorten them).
    void setTiming(const Timing& timing) { timing_ = timing; }

    // false: the program ends with exitCode().
    bool initInstance();
    int exitCode() const { return exitCode_; }

    CMainFrame* mainFrame() const { return frame_.get(); }
    DemoPeers* demo() const { return demo_.get(); }
    // The folder of the per-user files (PanelRPS.cfg).
    const QString& programDirectory() const { return files_.configDirectory; }
    const app::ProgramFiles& files() const { return files_; }
    app::UserSettings& settings() { return settings_; }
    const app::CurrentLanguage& language() const { return language_; }
    // The page shown first (after a login: the page of the password given).
    int firstPage() const { return firstPage_; }

private:
    bool locateProgram();
    void loadLanguage();
    // The login text, or nullopt when the login failed or was cancelled.
    std::optional<QString> login(const app::PagePasswords& passwords);
    bool startDemo();
    void createMainFrame();

    QStringList arguments_;
    CommandLine line_;
    app::ProgramFiles files_;
    Timing timing_{};
    app::UserSettings settings_;
    app::CurrentLanguage language_;
    int exitCode_ = 0;
    int firstPage_ = 0;
    std::unique_ptr<DemoPeers> demo_;
    std::unique_ptr<CMainFrame> frame_; // goes before the demo peers it talks to
};

} // namespace qarvo::gui
