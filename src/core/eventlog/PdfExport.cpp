#include "eventlog/PdfExport.h"

#include "app/Strings.h"
#include "base/TextIds.h"
#include "eventlog/TextExport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryFile>

#include <algorithm>

#include <cerrno>

namespace qarvo::eventlog {

namespace {

constexpr char kConverterName[] = "text2pdf";
// Where an installed program's converter lives, from the program's folder.
constexpr char kInstalledConverterFolder[] = "../libexec/qarvoip";
constexpr char kPdfMagic[] = "%PDF-";

PdfExportResult failure(QString error) { return {false, std::move(error)}; }

// The command line as a user would type it, both files quoted.
QString commandLine(const QString& converter, const QString& input, const QString& output)
{
    return QStringLiteral("%1 \"%2\" \"%3\"").arg(QDir::toNativeSeparators(converter), input, output);
}

bool isPdf(const QString& path)
{
    QFile file(path);
    const QByteArray magic(kPdfMagic);
    return file.open(QIODevice::ReadOnly) && file.read(magic.size()) == magic;
}

// What the converter said about its failure, or its exit code.
QString converterMessage(QProcess& process)
{
    const QString said = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    if (!said.isEmpty())
        return said;
    return strings::format(text_id::kConverterExitCode, process.exitCode());
}

long secondsOf(std::chrono::milliseconds wait) { return static_cast<long>(std::max<qint64>(1, (wait.count() + 999) / 1000)); }

} // namespace

QString converterPath(const QString& programDirectory)
{
    const QString name = QString::fromLatin1(kConverterName);
    const QString beside = QDir(programDirectory).filePath(name);
    if (QFile::exists(beside))
        return beside;
    return QDir::cleanPath(QDir(programDirectory).filePath(QString::fromLatin1(kInstalledConverterFolder) + u'/' + name));
}

PdfExportResult exportPdf(const QStringList& lines, const QString& documentName, const QString& pdfPath,
                          const PdfExportSetup& setup)
{
    const QString directory = setup.temporaryDirectory.isEmpty() ? QDir::tempPath() : setup.temporaryDirectory;
    if (directory.isEmpty() || !QDir(directory).exists())
        return failure(strings::formatTexts(text_id::kNoTemporaryPath, {}, {ENOENT}));

    // Removed with this object on every way out, after the converter has ended.
    QTemporaryFile input(QDir(directory).filePath(QString::fromLatin1(kTemporaryPrefix) + QStringLiteral("XXXXXX.txt")));
    if (!input.open())
        return failure(strings::formatTexts(text_id::kNoTemporaryFileName, {}, {input.error()}));
    const QByteArray bytes = textExportBytes(lines);
    if (input.write(bytes) != bytes.size() || !input.flush())
        return failure(strings::formatTexts(text_id::kCouldNotCreateTemporaryFile, {input.fileName()}));
    input.close();

    if (QFile::exists(pdfPath) && !QFile::remove(pdfPath))
        return failure(strings::formatTexts(text_id::kCouldNotCreateFile, {pdfPath}));

    QProcess converter;
    converter.setProgram(setup.converter);
    converter.setArguments({input.fileName(), pdfPath});
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kDocumentNameVariable), documentName);
    converter.setProcessEnvironment(environment);
    converter.setStandardOutputFile(QProcess::nullDevice());
    converter.start(QIODevice::ReadOnly);
    if (!converter.waitForStarted())
        return failure(strings::formatTexts(text_id::kConverterNotStarted,
                                            {commandLine(setup.converter, input.fileName(), pdfPath)},
                                            {converter.error()}));
    if (!converter.waitForFinished(static_cast<int>(setup.wait.count()))) {
        converter.kill();
        converter.waitForFinished();
        QFile::remove(pdfPath); // whatever it had begun is no PDF to open
        return failure(strings::format(text_id::kConverterTimedOut, secondsOf(setup.wait)));
    }
    const bool exitedWell = converter.exitStatus() == QProcess::NormalExit && converter.exitCode() == 0;
    if (!exitedWell)
        return failure(strings::formatTexts(text_id::kConverterFailed, {converterMessage(converter)}));
    if (!isPdf(pdfPath))
        return failure(strings::formatTexts(text_id::kConverterFailed,
                                            {strings::formatTexts(text_id::kConverterCannotWrite, {pdfPath})}));
    return {true, {}};
}

} // namespace qarvo::eventlog
