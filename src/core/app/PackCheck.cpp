#include "app/PackCheck.h"

#include "app/StringTable.h"
#include "app/Strings.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <map>
#include <optional>

namespace qarvo::app {
namespace {

struct PackEntry {
    QString text;
    bool finished = true;
};

// A printf conversion (flags, width, precision, length, letter), a Qt
// "%1" argument, or the "%%" escape, which is no conversion.
const QRegularExpression& conversionPattern()
{
    static const QRegularExpression pattern(QStringLiteral("%%|%[-+#0]*[0-9]*(?:\\.[0-9]+)?(?:hh|h|ll|l|z|j|t)?[diuxXos]|%[0-9]+"));
    return pattern;
}

QString translationKeyOf(int id) { return QString::fromStdString(strings::translationKey(id)); }

// Reads one <message>: its source key and its translation.
void readMessage(QXmlStreamReader& xml, std::map<QString, PackEntry>& entries)
{
    QString source;
    PackEntry entry;
    bool translated = false;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QStringView type = xml.attributes().value(QLatin1String("type"));
            entry.finished = type.isEmpty();
            entry.text = xml.readElementText();
            translated = true;
        } else {
            xml.skipCurrentElement();
        }
    }
    if (translated)
        entries[source] = entry;
}

// The messages of context "Strings", by source key; nullopt when the file is
// unreadable or malformed.
std::optional<std::map<QString, PackEntry>> readPack(const QString& tsPath)
{
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QXmlStreamReader xml(&file);
    std::map<QString, PackEntry> entries;
    bool inStrings = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            inStrings = xml.readElementText() == QLatin1String(strings::kTranslationContext);
        else if (xml.name() == QLatin1String("message") && inStrings)
            readMessage(xml, entries);
    }
    if (xml.hasError() || entries.empty())
        return std::nullopt;
    return entries;
}

bool endsInBlank(const QString& text) { return text.endsWith(u' '); }

// The first thing wrong with a translation of an English text, if any.
std::optional<PackProblemKind> problemOf(const QString& english, const PackEntry& entry)
{
    if (!entry.finished)
        return PackProblemKind::Unfinished;
    if (entry.text.isEmpty())
        return PackProblemKind::Empty;
    if (conversionsOf(entry.text) != conversionsOf(english))
        return PackProblemKind::Conversions;
    if (entry.text.count(u'\n') != english.count(u'\n'))
        return PackProblemKind::LineBreaks;
    if (endsInBlank(entry.text) != endsInBlank(english))
        return PackProblemKind::TrailingBlank;
    return std::nullopt;
}

} // namespace

QStringList conversionsOf(const QString& text)
{
    QStringList found;
    for (const QRegularExpressionMatch& m : conversionPattern().globalMatch(text))
        if (m.captured() != QLatin1String("%%"))
            found << m.captured();
    return found;
}

std::vector<PackProblem> checkPack(const QString& tsPath)
{
    const auto entries = readPack(tsPath);
    if (!entries)
        return {{0, PackProblemKind::Unreadable}};
    std::vector<PackProblem> problems;
    for (const strings::StringEntry& row : strings::stringTable()) {
        const auto entry = entries->find(translationKeyOf(row.id));
        if (entry == entries->end()) {
            problems.push_back({row.id, PackProblemKind::Missing});
            continue;
        }
        if (const auto kind = problemOf(QString::fromUtf8(row.text), entry->second))
            problems.push_back({row.id, *kind});
    }
    return problems;
}

QString describe(const PackProblem& problem)
{
    static const std::map<PackProblemKind, const char*> kWhat{
        {PackProblemKind::Missing, "no translation"},
        {PackProblemKind::Unfinished, "translation marked unfinished"},
        {PackProblemKind::Empty, "empty translation"},
        {PackProblemKind::Conversions, "conversions differ from the English"},
        {PackProblemKind::LineBreaks, "line breaks differ from the English"},
        {PackProblemKind::TrailingBlank, "trailing blank differs from the English"},
        {PackProblemKind::Unreadable, "the file cannot be read as a language pack"},
    };
    const QString what = QString::fromLatin1(kWhat.at(problem.kind));
    if (problem.kind == PackProblemKind::Unreadable)
        return what;
    const QString english = QString::fromUtf8(strings::english(problem.id));
    return QStringLiteral("%1: %2 (English: \"%3\")")
        .arg(translationKeyOf(problem.id), what, QString(english).replace(u'\n', QLatin1String("\\n")));
}

} // namespace qarvo::app
