// Converting the files named on the command line: probe them, make the
// jobs, then convert them, one after the other or several at once (or only
// print the commands).
#pragma once

#include <string>

#include "cli/cli_options.h"

namespace orva {

// The exit status: kExitSuccess when every job ended "Success!" (or every
// command could be built, for a dry run) and no file was skipped but for
// an output that exists (--skip-existing), kExitUsage for an output folder
// whose path is too long or a report that cannot be opened, else
// kExitJobsFailed (also when a report line could not be written).
int ConvertFiles(const CliOptions& options, const std::string& programFolder);

}  // namespace orva
