#include "cli/cli_options.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "engine/number_text.h"

namespace orva {

namespace {

bool ParseId(const std::string& text, int& id) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 9) {
    return false;
  }
  id = std::atoi(text.c_str());
  return true;
}

// Plain decimal seconds only: digits with at most one point. strtod alone
// would also take "0x10", "inf" or "1e3".
bool ParseSeconds(const std::string& text, double& seconds) {
  const bool plain = text.find_first_not_of("0123456789.") == std::string::npos &&
                     text.find_first_of("0123456789") != std::string::npos &&
                     std::count(text.begin(), text.end(), '.') <= 1;
  if (!plain) return false;
  const char* end = nullptr;
  seconds = ReadDecimal(text.c_str(), &end);
  return *end == '\0' && std::isfinite(seconds);
}

const ProfileOptionName* ChoiceFlag(const std::string& flag) {
  for (const ProfileOptionName& name : ProfileOptionNames()) {
    if (flag == name.flag) return &name;
  }
  return nullptr;
}

bool CheckTrimRange(const CliOptions& options, std::string& error) {
  if (options.end && *options.end == 0) {
    error = "--end must lie after the start of the source";
    return false;
  }
  if (options.begin && options.end && *options.end <= *options.begin) {
    error = "--end must lie after --begin";
    return false;
  }
  return true;
}

bool CheckMode(const CliOptions& options, std::string& error) {
  if (options.mode == CliMode::Summarize) {
    if (!options.files.empty()) return true;
    error = "--summarize needs a report to read";
    return false;
  }
  if (options.mode != CliMode::Convert) {
    if (options.files.empty()) return true;
    error = std::string(options.mode == CliMode::ListProfiles ? "--list-profiles" : "--show-profile") +
            " converts nothing; files given: " + options.files.front();
    return false;
  }
  if (options.files.empty() && options.filesFrom.empty()) {
    error = "no file to convert";
    return false;
  }
  if (options.nulSeparated && options.filesFrom.empty()) {
    error = "--null reads the list of --files-from, and none is given";
    return false;
  }
  return CheckTrimRange(options, error);
}

// The options that only switch something on.
bool ReadFlag(const std::string& argument, CliOptions& options) {
  if (argument == "--list-profiles") {
    options.mode = CliMode::ListProfiles;
  } else if (argument == "--summarize") {
    options.mode = CliMode::Summarize;
  } else if (argument == "--dry-run") {
    options.dryRun = true;
  } else if (argument == "--null") {
    options.nulSeparated = true;
  } else if (argument == "--skip-existing") {
    options.skipExisting = true;
  } else {
    return false;
  }
  return true;
}

}  // namespace

bool ParseCliOptions(const std::vector<std::string>& arguments, CliOptions& options,
                     std::string& error) {
  bool filesOnly = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (filesOnly || argument.empty() || argument[0] != '-' || argument == "-") {
      options.files.push_back(argument);
      continue;
    }
    if (argument == "--") {
      filesOnly = true;
      continue;
    }
    if (argument == "--help" || argument == "-h") {
      options.mode = CliMode::Help;
      return true;
    }
    if (argument == "--version") {
      options.mode = CliMode::Version;
      return true;
    }
    if (ReadFlag(argument, options)) continue;

    if (i + 1 >= arguments.size()) {
      error = argument + " needs a value";
      return false;
    }
    const std::string& value = arguments[++i];
    if (argument == "--profile" || argument == "--show-profile") {
      int id = 0;
      if (!ParseId(value, id)) {
        error = argument + ": \"" + value + "\" is not a profile id";
        return false;
      }
      options.profileId = id;
      if (argument == "--show-profile") options.mode = CliMode::ShowProfile;
    } else if (argument == "--output-dir") {
      options.outputDir = value;
    } else if (argument == "--files-from") {
      options.filesFrom = value;
    } else if (argument == "--report") {
      options.reportPath = value;
    } else if (argument == "--shard") {
      Shard shard;
      if (!ParseShard(value, shard)) {
        error = "--shard: \"" + value + "\" is not K/N with 1 <= K <= N";
        return false;
      }
      options.shard = shard;
    } else if (argument == "--jobs") {
      if (!ParseId(value, options.jobs) || options.jobs < 1 || options.jobs > kMaxJobs) {
        error = "--jobs: \"" + value + "\" is not a number of jobs from 1 to " + std::to_string(kMaxJobs);
        return false;
      }
    } else if (argument == "--begin" || argument == "--end") {
      double seconds = 0;
      if (!ParseSeconds(value, seconds)) {
        error = argument + ": \"" + value + "\" is not a number of seconds";
        return false;
      }
      (argument == "--begin" ? options.begin : options.end) = seconds;
    } else if (const ProfileOptionName* choice = ChoiceFlag(argument)) {
      options.choices.emplace_back(choice->option, value);
    } else {
      error = "unknown option " + argument;
      return false;
    }
  }
  return CheckMode(options, error);
}

const char* CliUsage() {
  return "Usage:\n"
         "  orva-convert --list-profiles\n"
         "  orva-convert --show-profile ID [CHOICES]\n"
         "  orva-convert [--profile ID] [--output-dir DIR] [--begin SECONDS] [--end SECONDS]\n"
         "               [--jobs N] [CHOICES] [--dry-run] [--skip-existing] [--report FILE]\n"
         "               [--files-from LIST [--null]] [--shard K/N] [FILE...]\n"
         "  orva-convert --summarize REPORT...\n"
         "CHOICES pick among the items the profile offers, by their text:\n"
         "  --extension, --video-codec, --size, --video-bitrate, --frame-rate, --aspect,\n"
         "  --audio-codec, --audio-bitrate, --sample-rate, --channels\n"
         "Without --profile the saved profile choice of the program folder is used.\n"
         "--jobs N converts N files at once; without it, as many as there are usable\n"
         "processors (never more than the files). --jobs 1 converts one after the other.\n"
         "--files-from LIST adds the files of LIST (- for standard input), one a line,\n"
         "or NUL-separated with --null. --shard K/N converts the K-th of N interleaved\n"
         "shares of the sorted files; in a Slurm array task it is that task's share.\n"
         "--report FILE appends a JSON line per file; --summarize totals such reports.\n"
         "--skip-existing leaves files whose output already exists.\n"
         "  orva-convert --help | --version\n"
         "Exit status: 0 every job succeeded, 1 a job failed or a file could not be\n"
         "converted (a file left by --skip-existing is no failure),\n"
         "2 usage error.\n"
         "See orva-convert(1) for the whole manual.\n";
}

const char* CliSummary() {
  return "orva-convert converts video and audio files with the profiles of Orva Video Converter.\n\n";
}

}  // namespace orva
