#pragma once
// The event log's text file: UTF-16 little-endian with a byte-order mark,
// every line ended by CR LF, as the desktop's text tools expect.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace qarvo::eventlog {

QByteArray textExportBytes(const QStringList& lines);

// Writes the file in one go: either the whole new file or, on failure, the
// old one untouched. Returns false when the file could not be written.
bool writeTextExport(const QString& path, const QStringList& lines);

} // namespace qarvo::eventlog
