#include "gui/CUploadApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    qarvo::gui::CUploadApp app(QApplication::arguments());
    if (!app.initInstance())
        return app.exitCode();
    return QApplication::exec();
}
