// Converting the files named on the command line: probe them, make the
// jobs, then convert them, one after the other or several at once (or only
// print the commands).
#pragma once

#include <string>

#include "cli/cli_options.h"

namespace orva {

// The exit status: kExitSuccess when every job ended "Success!" (or every
// command could be built, for a dry run), kExitUsage for an output folder
// whose path is too long, else kExitJobsFailed.
int ConvertFiles(const CliOptions& options, const std::string& programFolder);

}  // namespace orva
