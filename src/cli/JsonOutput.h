#pragma once
// The JSON results of the commands. Each is one document on the output with
// names a script can rely on; an object carries "schema", the version of
// its layout, which changes only when a name or a type does.
#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>

#include <ostream>

namespace qarvo::cli {

// 2: the settings of show --json are named as the settings list names them
// (an option is named after its label, no longer by its bit number).
inline constexpr int kJsonSchema = 2;

// Prints the object with "schema" added.
void printJson(std::ostream& out, QJsonObject object);
// Prints a bare array (the differences of diff).
void printJson(std::ostream& out, const QJsonArray& array);

// "2026-03-05T11:01:00": a local time in ISO 8601, to the second; null when
// the time is not valid.
QJsonValue isoTime(const QDateTime& time);

} // namespace qarvo::cli
