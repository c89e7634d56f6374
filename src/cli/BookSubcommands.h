#pragma once
// The commands over the site book (sites, fleet) take a subcommand, its
// words and its own options: one table row per subcommand, one parser, one
// dispatcher that opens the book and runs the row.
#include "cli/Session.h"
#include "sites/SiteBook.h"

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qarvo::cli {

// One option of a subcommand; valueName empty for a flag.
struct SubcommandOption {
    std::string_view name;
    std::string_view valueName;
};

// A subcommand's arguments: its words and its options, each option's values
// in the order given.
struct BookArgs {
    std::vector<std::string> words;
    std::map<std::string, std::vector<std::string>, std::less<>> values;
    bool has(std::string_view option) const { return values.contains(option); }
    std::optional<std::string> last(std::string_view option) const
    {
        const auto it = values.find(option);
        return it == values.end() || it->second.empty() ? std::nullopt : std::optional(it->second.back());
    }
};

// The number an option gives, or fallback when it is not given; nullopt,
// the usage error printed, when it is not a whole number from min to max.
std::optional<long> numberOption(Session& s, const BookArgs& args, std::string_view option, long fallback, long min,
                                 long max);

struct BookSubcommand {
    std::string_view name;
    std::string_view words; // what it takes besides options: "NAME", "FILE.csv"
    std::vector<SubcommandOption> options;
    int (*run)(Session&, sites::SiteBook&, const BookArgs&);
    std::size_t minWords;
    std::size_t maxWords;
    std::string_view help;
};

// Finds the subcommand named by the first argument, parses the rest, opens
// the book and runs it.
int runBookSubcommand(Session& session, std::string_view command, std::span<const BookSubcommand> table);
// "Subcommands:" and a line pair per row, for the command's help.
std::string subcommandsHelp(std::string_view command, std::span<const BookSubcommand> table);

// "2026-12-09 21:30:00", local time, of a time the book keeps.
std::string shownTime(const std::string& bookTime);

} // namespace qarvo::cli
