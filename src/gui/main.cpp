#include "gui/CUploadApp.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // The desktop entry and the icon theme know the program by these names.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.qarvo.QarvoIP"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("qarvoip")));
    qarvo::gui::CUploadApp app(QApplication::arguments());
    if (!app.initInstance())
        return app.exitCode();
    return QApplication::exec();
}
