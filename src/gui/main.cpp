#include "gui/shell/CUploadApp.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char* argv[])
{
    // --help and --version answer on the terminal, without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const auto answer = qarvo::gui::commandLineAnswer(arguments)) {
        std::fputs(answer->toLocal8Bit().constData(), stdout);
        return 0;
    }
    QApplication application(argc, argv);
    // The desktop entry and the icon theme know the program by these names.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.qarvo.QarvoIP"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("qarvoip")));
    qarvo::gui::CUploadApp app(QApplication::arguments());
    if (!app.initInstance())
        return app.exitCode();
    return QApplication::exec();
}
