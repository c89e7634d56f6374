#pragma once
// The event log's PDF file, made by the converter program Text2PDF (its file
// text2pdf, found by converterPath): the lines go into a temporary text file
// (the text export's form), the converter turns it into the chosen PDF file,
// and the temporary file is removed again. The export only counts as done
// when the converter ended in time with exit code 0 and left a file that is
// a PDF; anything else comes back as the message for the error box. The
// converter pages the lines as the print preview does, with the same page
// headers and numbers.
#include <QString>
#include <QStringList>

#include <chrono>

namespace qarvo::eventlog {

// How long the converter may run before it is ended.
inline constexpr std::chrono::milliseconds kConverterWait{60000};
// The temporary text file's name starts with this.
inline constexpr char kTemporaryPrefix[] = "c52pdf";
// The document's name for the converter's page headers travels in this
// environment variable, so that the converter's command line stays
// "input" "output".
inline constexpr char kDocumentNameVariable[] = "TEXT2PDF_DOCUMENT";
// The converter: beside the program (a build), else where an install puts
// it, libexec/qarvoip beside the program's bin folder.
QString converterPath(const QString& programDirectory);

struct PdfExportSetup {
    QString converter;                             // full path of the converter program
    std::chrono::milliseconds wait = kConverterWait;
    QString temporaryDirectory;                    // empty: the system's
};

struct PdfExportResult {
    bool made = false; // the PDF file is there: open it
    QString error;     // otherwise why not, for the error box
};

// Runs the whole export. The chosen file is replaced (the save dialog asked
// about overwriting it), so a failed conversion never leaves an older PDF
// behind that could be taken for the new one.
// documentName follows "File: " in the page headers, as in the print preview.
PdfExportResult exportPdf(const QStringList& lines, const QString& documentName, const QString& pdfPath,
                          const PdfExportSetup& setup);

} // namespace qarvo::eventlog
