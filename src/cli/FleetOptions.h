#pragma once
// The options the fleet's subcommands share, each named once: a local run
// and a worker take the same --jobs, a run and `fleet wait` print the same
// --json or --csv.
#include <string_view>

namespace qarvo::cli::fleet_options {

inline constexpr std::string_view kJobs = "--jobs";
inline constexpr std::string_view kJson = "--json";
inline constexpr std::string_view kCsv = "--csv";
inline constexpr int kDefaultJobs = 16;
inline constexpr long kMostJobs = 256;

} // namespace qarvo::cli::fleet_options
