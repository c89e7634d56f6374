#include "cli/BookSubcommands.h"

#include "cli/SiteCommands.h"

#include <QDateTime>

#include <algorithm>

namespace qarvo::cli {

namespace {

std::optional<BookArgs> parse(Session& s, std::string_view command, const BookSubcommand& sub)
{
    const auto& args = s.commandLine.arguments;
    const std::string where = std::string(command) + " " + std::string(sub.name);
    BookArgs parsed;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!arg.starts_with("--")) {
            parsed.words.push_back(arg);
            continue;
        }
        const auto equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const auto option = std::ranges::find(sub.options, name, &SubcommandOption::name);
        if (option == sub.options.end()) {
            usageError(s.env.err, where + " does not take '" + arg + "'");
            return std::nullopt;
        }
        std::vector<std::string>& values = parsed.values[name];
        if (option->valueName.empty())
            continue;
        if (equals != std::string::npos)
            values.push_back(arg.substr(equals + 1));
        else if (i + 1 < args.size())
            values.push_back(args[++i]);
        else {
            usageError(s.env.err, "option '" + name + "' needs a value (" + std::string(option->valueName) + ")");
            return std::nullopt;
        }
    }
    if (parsed.words.size() < sub.minWords || parsed.words.size() > sub.maxWords) {
        usageError(s.env.err, "usage: " + where + " " + std::string(sub.words));
        return std::nullopt;
    }
    return parsed;
}

std::string names(std::span<const BookSubcommand> table)
{
    std::string text;
    for (std::size_t i = 0; i < table.size(); ++i)
        text += (i == 0 ? "" : i + 1 == table.size() ? " or " : ", ") + std::string(table[i].name);
    return text;
}

} // namespace

int runBookSubcommand(Session& session, std::string_view command, std::span<const BookSubcommand> table)
{
    const auto& args = session.commandLine.arguments;
    if (args.empty())
        return usageError(session.env.err, std::string(command) + " takes a subcommand: " + names(table));
    const auto sub = std::ranges::find(table, args.front(), &BookSubcommand::name);
    if (sub == table.end())
        return usageError(session.env.err, "unknown " + std::string(command) + " subcommand '" + args.front() + "'");
    const auto parsed = parse(session, command, *sub);
    if (!parsed)
        return kExitUsage;
    auto book = openBook(session.commandLine.options, session.env);
    if (!book)
        return kExitFailure;
    return sub->run(session, *book, *parsed);
}

std::string subcommandsHelp(std::string_view command, std::span<const BookSubcommand> table)
{
    std::string text = "Subcommands:\n";
    for (const BookSubcommand& sub : table)
        text += "  " + std::string(command) + " " + std::string(sub.name) + " " + std::string(sub.words) + "\n      " +
                std::string(sub.help) + "\n";
    return text;
}

std::string shownTime(const std::string& bookTime)
{
    const QDateTime time = QDateTime::fromString(QString::fromStdString(bookTime), Qt::ISODateWithMs);
    return time.isValid() ? time.toLocalTime().toString("yyyy-MM-dd HH:mm:ss").toStdString() : bookTime;
}

std::optional<long> numberOption(Session& s, const BookArgs& args, std::string_view option, long fallback, long min,
                                 long max)
{
    const auto text = args.last(option);
    if (!text)
        return fallback;
    const auto value = parseDecimal(*text, min, max);
    if (!value)
        usageError(s.env.err, std::string(option) + " takes a number from " + std::to_string(min) + " to " +
                                  std::to_string(max));
    return value;
}

} // namespace qarvo::cli
