#include "cli/SettingCommands.h"

#include "app/Strings.h"
#include "cli/JsonOutput.h"
#include "cli/FormErrorText.h"
#include "panel/CUploadDoc.h"
#include "panel/NamedSettings.h"
#include "panel/PanelModels.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <ostream>

namespace qarvo::cli {

namespace {

namespace fs = std::filesystem;
using panel::CUploadDoc;
using panel::ProgrammingForms;
using panel::NamedSetting;
using panel::SettingKind;
using panel::kindName;
using Values = std::vector<std::pair<std::string, std::string>>; // name, value in table order

constexpr std::string_view kJsonOption = "--json";
constexpr std::string_view kMarkdownOption = "--markdown";
constexpr std::string_view kFromOption = "--from";
constexpr std::string_view kTypeOption = "--type";
constexpr const char* kLogName = "Current log";

void problem(Session& s, const std::string& text) { s.env.err << kProgramName << ": " << text << std::endl; }

// A document read from its file with its forms and fields.
struct Loaded {
    CUploadDoc doc{kLogName};
    ProgrammingForms forms;
    std::vector<NamedSetting> fields;

    void show()
    {
        panel::imageToForms(doc, forms);
        fields = panel::namedSettings(forms, doc.layout().typeCode());
    }
    Values values() const
    {
        Values v;
        for (const NamedSetting& f : fields)
            v.emplace_back(f.name, f.get(forms));
        return v;
    }
};

std::unique_ptr<Loaded> load(Session& s, const fs::path& path)
{
    auto loaded = std::make_unique<Loaded>();
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        problem(s, path.string() + ": no such settings file");
        return nullptr;
    }
    if (const std::string why = loaded->doc.open(path); !why.empty()) {
        problem(s, why); // it names the file
        return nullptr;
    }
    loaded->show();
    return loaded;
}

// The arguments without the flag; whether the flag was given.
bool takeFlag(std::vector<std::string>& args, std::string_view flag)
{
    const auto it = std::find(args.begin(), args.end(), flag);
    if (it == args.end())
        return false;
    args.erase(it);
    return true;
}

// The value of "--name VALUE" or "--name=VALUE"; "" with ok false when the
// value is missing.
std::optional<std::string> takeOption(std::vector<std::string>& args, std::string_view name, bool& ok)
{
    ok = true;
    for (auto it = args.begin(); it != args.end(); ++it) {
        if (*it == name) {
            if (it + 1 == args.end()) {
                ok = false;
                return std::nullopt;
            }
            std::string value = *(it + 1);
            args.erase(it, it + 2);
            return value;
        }
        if (it->starts_with(std::string(name) + "=")) {
            std::string value = it->substr(name.size() + 1);
            args.erase(it);
            return value;
        }
    }
    return std::nullopt;
}

// Checks and lists by their values, numbers by the range the panel takes.
bool ranged(const NamedSetting& f)
{
    return f.kind == SettingKind::Check || f.kind == SettingKind::List || f.min < f.max;
}

std::string rangeText(const NamedSetting& f)
{
    return ranged(f) ? std::to_string(f.min) + ".." + std::to_string(f.max) : "-";
}

std::string labelText(const NamedSetting& f)
{
    const char* english = strings::english(f.labelId);
    if (!english)
        return {};
    std::string label = strings::utf8(f.labelId);
    label.erase(std::remove(label.begin(), label.end(), '&'), label.end());
    std::replace(label.begin(), label.end(), '\n', ' ');
    if (label.ends_with(':')) // an edit's label reads on into its edit
        label.pop_back();
    return label;
}

// A number the page shows with leading zeros ("030").
std::optional<long> numberOf(SettingKind kind, const std::string& value)
{
    const bool numeric = kind == SettingKind::Number || kind == SettingKind::List;
    return numeric ? parseDecimal(value, -1, std::numeric_limits<int>::max()) : std::nullopt;
}

// Two texts of the setting that mean the same value: "30" is "030".
bool sameValue(const NamedSetting* field, const std::string& a, const std::string& b)
{
    const SettingKind kind = field ? field->kind : SettingKind::Text;
    const auto x = numberOf(kind, a);
    return a == b || (x && x == numberOf(kind, b));
}

// A value as JSON: a check as a boolean, a number or a list index as a
// number, anything else (and a value the page could not show as a number)
// as its text.
QJsonValue jsonValue(SettingKind kind, const std::string& value)
{
    if (kind == SettingKind::Check && (value == "0" || value == "1"))
        return value == "1";
    if (const auto n = numberOf(kind, value))
        return static_cast<qint64>(*n);
    return QString::fromStdString(value);
}

// The text set takes for a JSON value; nullopt for arrays, objects and null.
std::optional<std::string> valueText(const QJsonValue& value)
{
    if (value.isString())
        return value.toString().toStdString();
    if (value.isBool())
        return value.toBool() ? "1" : "0";
    if (value.isDouble() && value.toDouble() == static_cast<double>(value.toInteger()))
        return std::to_string(value.toInteger());
    return std::nullopt;
}

void printValues(std::ostream& out, const Loaded& loaded, bool json)
{
    if (!json) {
        for (const auto& [name, value] : loaded.values())
            out << name << '=' << value << '\n';
        return;
    }
    QJsonObject object;
    for (const NamedSetting& f : loaded.fields)
        object.insert(QString::fromStdString(f.name), jsonValue(f.kind, f.get(loaded.forms)));
    printJson(out, QJsonObject{{"settings", object}});
}

// NAME=VALUE pairs of a JSON object file, in the file's order of names.
std::optional<Values> readJsonValues(Session& s, const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        problem(s, path + ": cannot be read");
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!json.isObject()) {
        problem(s, path + ": not a JSON object of settings" +
                       (parseError.error ? ": " + parseError.errorString().toStdString() : std::string()));
        return std::nullopt;
    }
    // The output of show --json, or a plain object of settings.
    QJsonObject object = json.object();
    if (object.contains("schema") && object.value("settings").isObject())
        object = object.value("settings").toObject();
    Values values;
    for (auto it = object.begin(); it != object.end(); ++it) {
        const auto text = valueText(it.value());
        if (!text) {
            problem(s, path + ": " + it.key().toStdString() + ": the value is not a text, a number or true/false");
            return std::nullopt;
        }
        values.emplace_back(it.key().toStdString(), *text);
    }
    return values;
}

std::optional<Values> readPairs(Session& s, const std::vector<std::string>& args)
{
    Values values;
    for (const std::string& arg : args) {
        const auto eq = arg.find('=');
        if (eq == std::string::npos || eq == 0) {
            usageError(s.env.err, "expected NAME=VALUE: '" + arg + "'");
            return std::nullopt;
        }
        values.emplace_back(arg.substr(0, eq), arg.substr(eq + 1));
    }
    return values;
}

// The forms stored into a copy of the document: the first refused value.
std::optional<panel::FormError> tryStore(const CUploadDoc& doc, const ProgrammingForms& forms)
{
    CUploadDoc copy = doc;
    return panel::formsToImage(forms, copy);
}

std::string settingOfError(const Loaded& loaded, const panel::FormError& error)
{
    return panel::errorSettingName(loaded.fields, error);
}

// The codes a change of the code length converts: codes nobody set whose
// digits read otherwise after the change, one line each.
std::vector<std::string> convertedCodes(const Values& before, const Loaded& after, const Values& wanted)
{
    const std::map<std::string, std::string> old(before.begin(), before.end());
    std::vector<std::string> lines;
    for (const NamedSetting& f : after.fields) {
        const bool given = std::ranges::any_of(wanted, [&](const auto& w) { return w.first == f.name; });
        const auto it = old.find(f.name);
        const std::string now = f.get(after.forms);
        if (f.kind == SettingKind::Code && !given && it != old.end() && it->second != now)
            lines.push_back("the new code length converts " + f.name + ": '" + it->second + "' -> '" + now + "'");
    }
    return lines;
}

// Settings given by a name they had before are taken under the new one,
// with a warning naming it.
void takeFormerNames(Session& s, Values& wanted)
{
    for (auto& [name, value] : wanted)
        if (const auto now = panel::renamedSetting(name)) {
            s.env.err << "warning: '" << name << "' is now '" << *now << "'" << std::endl;
            name = std::string(*now);
        }
}

// The settings as a Markdown table, for the reference of every setting.
void printMarkdown(std::ostream& out, const std::vector<NamedSetting>& settings)
{
    out << "| name | kind | range | label |\n|---|---|---|---|\n";
    for (const NamedSetting& f : settings) {
        std::string label = labelText(f);
        for (std::size_t at = label.find('|'); at != std::string::npos; at = label.find('|', at + 2))
            label.replace(at, 1, "\\|");
        out << "| `" << f.name << "` | " << kindName(f.kind) << " | " << rangeText(f) << " | " << label << " |\n";
    }
}

} // namespace

int runSettings(Session& session)
{
    auto args = session.commandLine.arguments;
    bool ok = true;
    const bool json = takeFlag(args, kJsonOption);
    const bool markdown = takeFlag(args, kMarkdownOption);
    const auto type = takeOption(args, kTypeOption, ok);
    if (!ok || !args.empty() || (json && markdown))
        return usageError(session.env.err, "usage: settings [--type CODE] [--json | --markdown]");
    std::uint8_t typeCode = panel::kDefaultTypeCode;
    if (type) {
        std::string text = *type;
        if (text.starts_with("0x") || text.starts_with("0X"))
            text.erase(0, 2);
        const auto code = parseHex16(text);
        if (!code || *code > 0xFF || !panel::findPanelModel(static_cast<std::uint8_t>(*code)))
            return usageError(session.env.err, "unknown panel type: '" + *type + "'");
        typeCode = static_cast<std::uint8_t>(*code);
    }
    Loaded loaded;
    loaded.doc.newDocument();
    panel::PanelIdentity model;
    model.setFromModel(typeCode);
    loaded.doc.checkModel(model);
    loaded.show();
    if (json) {
        QJsonArray array;
        for (const NamedSetting& f : loaded.fields) {
            array.append(QJsonObject{{"name", QString::fromStdString(f.name)},
                                     {"kind", QString::fromUtf8(kindName(f.kind).data(), qsizetype(kindName(f.kind).size()))},
                                     {"min", ranged(f) ? QJsonValue(f.min) : QJsonValue(QJsonValue::Null)},
                                     {"max", ranged(f) ? QJsonValue(f.max) : QJsonValue(QJsonValue::Null)},
                                     {"label", QString::fromStdString(labelText(f))}});
        }
        printJson(session.env.out, QJsonObject{{"settings", array}});
        return kExitSuccess;
    }
    if (markdown) {
        printMarkdown(session.env.out, loaded.fields);
        return kExitSuccess;
    }
    for (const NamedSetting& f : loaded.fields)
        session.env.out << f.name << '\t' << kindName(f.kind) << '\t' << rangeText(f) << '\t' << labelText(f) << '\n';
    return kExitSuccess;
}

int runShow(Session& session)
{
    auto args = session.commandLine.arguments;
    const bool json = takeFlag(args, kJsonOption);
    if (args.size() != 1)
        return usageError(session.env.err, "usage: show DOC.rps [--json]");
    const auto loaded = load(session, args.front());
    if (!loaded)
        return kExitFailure;
    printValues(session.env.out, *loaded, json);
    return kExitSuccess;
}

int runSet(Session& session)
{
    auto args = session.commandLine.arguments;
    bool ok = true;
    const auto from = takeOption(args, kFromOption, ok);
    if (!ok || args.empty() || (args.size() == 1 && !from))
        return usageError(session.env.err, "usage: set DOC.rps NAME=VALUE... [--from FILE.json]");
    const fs::path path = args.front();
    args.erase(args.begin());
    Values wanted;
    if (from) {
        auto fromFile = readJsonValues(session, *from);
        if (!fromFile)
            return kExitFailure;
        wanted = std::move(*fromFile);
    }
    const auto pairs = readPairs(session, args);
    if (!pairs)
        return kExitUsage;
    wanted.insert(wanted.end(), pairs->begin(), pairs->end());
    takeFormerNames(session, wanted);

    const auto loaded = load(session, path);
    if (!loaded)
        return kExitFailure;
    const Values original = loaded->values();
    // Values given as the document already holds them are no change; each
    // change is stored on its own, so a refused one is named.
    for (const auto& [name, value] : wanted) {
        const NamedSetting* field = panel::findNamedSetting(loaded->fields, name);
        if (!field) {
            problem(session, name + ": no such setting");
            return kExitFailure;
        }
        if (sameValue(field, field->get(loaded->forms), value))
            continue;
        if (!field->set(loaded->forms, value)) {
            problem(session, name + ": not a value of this " + std::string(kindName(field->kind)) + " setting: '" +
                                 value + "'");
            return kExitFailure;
        }
        if (const auto error = tryStore(loaded->doc, loaded->forms)) {
            problem(session, name + ": " + formErrorText(*error));
            return kExitFailure;
        }
    }
    if (const auto error = panel::formsToImage(loaded->forms, loaded->doc)) {
        problem(session, settingOfError(*loaded, *error) + ": " + formErrorText(*error));
        return kExitFailure;
    }
    // The panel's encodings may hold a value otherwise than given (a 6-digit
    // code while codes have 4 digits); such a value is refused rather than
    // saved as something else.
    Loaded stored;
    stored.doc = loaded->doc;
    stored.show();
    for (const auto& [name, value] : wanted) {
        const NamedSetting* field = panel::findNamedSetting(stored.fields, name);
        const std::string kept = field->get(stored.forms);
        if (!sameValue(field, kept, value)) {
            problem(session, name + ": '" + value + "' would be stored as '" + kept + "'");
            return kExitFailure;
        }
    }
    if (const std::string why = loaded->doc.save(path); !why.empty()) {
        problem(session, why); // it names the file
        return kExitFailure;
    }
    if (!session.commandLine.options.quiet)
        for (const std::string& line : convertedCodes(original, stored, wanted))
            session.env.err << line << '\n';
    return kExitSuccess;
}

int runCheck(Session& session)
{
    auto args = session.commandLine.arguments;
    const bool json = takeFlag(args, kJsonOption);
    if (args.size() != 1)
        return usageError(session.env.err, "usage: check DOC.rps [--json]");
    const auto loaded = load(session, args.front());
    if (!loaded)
        return kExitFailure;
    const auto error = tryStore(loaded->doc, loaded->forms);
    if (json) {
        QJsonObject result{{"valid", !error}};
        if (error) {
            result.insert("setting", QString::fromStdString(settingOfError(*loaded, *error)));
            result.insert("message", QString::fromStdString(formErrorText(*error)));
        }
        printJson(session.env.out, result);
    } else if (error) {
        session.env.out << settingOfError(*loaded, *error) << ": " << formErrorText(*error) << '\n';
    } else {
        session.env.out << args.front() << ": every value is valid\n";
    }
    return error ? kExitFailure : kExitSuccess;
}

int runDiff(Session& session)
{
    auto args = session.commandLine.arguments;
    const bool json = takeFlag(args, kJsonOption);
    if (args.size() != 2)
        return usageError(session.env.err, "usage: diff A.rps B.rps [--json]");
    const auto a = load(session, args[0]);
    const auto b = a ? load(session, args[1]) : nullptr;
    if (!a || !b)
        return kExitUsage;
    const auto changes = panel::changedSettings(a->doc, b->doc);
    if (json) {
        // Every difference, none when the documents agree: [] then.
        QJsonArray array;
        for (const panel::SettingChange& c : changes) {
            const auto typed = [&c](const std::optional<std::string>& v) {
                return v ? jsonValue(c.kind, *v) : QJsonValue(QJsonValue::Null);
            };
            array.append(QJsonObject{{"name", QString::fromStdString(c.name)}, {"a", typed(c.before)}, {"b", typed(c.after)}});
        }
        printJson(session.env.out, array);
    } else {
        const auto shown = [](const std::optional<std::string>& v) { return v ? "'" + *v + "'" : std::string("(absent)"); };
        for (const panel::SettingChange& c : changes)
            session.env.out << c.name << ": " << shown(c.before) << " -> " << shown(c.after) << '\n';
    }
    return changes.empty() ? kExitSuccess : kExitFailure;
}

} // namespace qarvo::cli
