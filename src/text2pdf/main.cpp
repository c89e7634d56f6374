// Text2PDF "input.txt" "output.pdf": turns an exported event log into a PDF
// file paged as the print preview pages it. Exit status 0 when the PDF file was written; otherwise 1 (2 for a
// wrong command line) with the reason on stderr.
#include "app/Strings.h"
#include "base/TextIds.h"
#include "text2pdf/TextToPdf.h"

#include <QGuiApplication>

#include <iostream>

namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;

void say(const QString& text) { std::cerr << text.toLocal8Bit().constData() << std::endl; }

// The caller shows what the converter writes to stderr as the reason of a
// failure, so only the converter's own messages go there, not the
// framework's notes about the session it runs in.
void dropFrameworkNotes(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        say(message);
}

} // namespace

int main(int argc, char* argv[])
{
    // A converter runs without a screen: fonts and the PDF writer need no display.
    qInstallMessageHandler(dropFrameworkNotes);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        say(qarvo::strings::text(qarvo::text_id::kConverterUsage));
        return kUsage;
    }
    QStringList lines;
    QString error;
    if (!qarvo::text2pdf::readTextLines(arguments[1], lines, error) ||
        !qarvo::text2pdf::writePdf(lines, qarvo::text2pdf::documentName(arguments[1]), arguments[2], error)) {
        say(error);
        return kFailed;
    }
    return 0;
}
