// The command line of orva-convert.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/profile_options.h"
#include "cli/shard.h"

namespace orva {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitJobsFailed = 1;
inline constexpr int kExitUsage = 2;

// More encoders than this at once would only fight over the processors.
inline constexpr int kMaxJobs = 64;

enum class CliMode { Convert, ListProfiles, ShowProfile, Summarize, Help, Version };

struct CliOptions {
  CliMode mode = CliMode::Convert;
  std::optional<int> profileId;  // --profile, or the id of --show-profile
  std::string outputDir;         // empty: beside each source
  std::optional<double> begin;
  std::optional<double> end;
  std::vector<std::pair<ProfileOption, std::string>> choices;  // in typed order
  bool dryRun = false;
  int jobs = 0;  // --jobs: how many convert at once; 0: one per usable processor
  std::string filesFrom;         // --files-from: a list of files, "-" for standard input
  bool nulSeparated = false;     // --null: the list separates paths with NUL
  std::optional<Shard> shard;    // --shard K/N
  std::string reportPath;        // --report: a JSON line per file appended there
  bool skipExisting = false;     // --skip-existing: no job for a file whose output exists
  std::vector<std::string> files;  // the files to convert; the reports with --summarize
};

// Reads the arguments after the program name. False with `error` set on a
// usage error.
bool ParseCliOptions(const std::vector<std::string>& arguments, CliOptions& options,
                     std::string& error);

// The usage text printed after a usage error; --help prints it after a line
// that says what the program does.
const char* CliUsage();
const char* CliSummary();

}  // namespace orva
