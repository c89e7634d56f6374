#pragma once
// Checks a language pack's source (.ts) against the string table: every text
// of the table must have a finished translation that keeps the English
// text's conversions, line breaks and trailing blank, since format() fills
// the conversions in order and the dialogs lay the lines out.
#include <QString>

#include <vector>

namespace qarvo::app {

enum class PackProblemKind {
    Missing,          // no entry for the id
    Unfinished,       // marked unfinished (or vanished/obsolete)
    Empty,            // an empty translation
    Conversions,      // printf or %1-style conversions differ from the English
    LineBreaks,       // a different number of "\n"
    TrailingBlank,    // the English ends in a blank and the translation does not, or the other way round
    Unreadable,       // the file cannot be read or is no .ts file (id 0)
};

struct PackProblem {
    int id = 0;
    PackProblemKind kind = PackProblemKind::Missing;
    bool operator==(const PackProblem&) const = default;
};

// The conversions of a text, in order: "%02d", "%s", "%#08X", "%1" … ("%%" is none).
QStringList conversionsOf(const QString& text);

// The problems of the .ts file's translations of the string table, in id order.
std::vector<PackProblem> checkPack(const QString& tsPath);

// One line per problem: "qarvo_<id>: <what is wrong>".
QString describe(const PackProblem& problem);

} // namespace qarvo::app
