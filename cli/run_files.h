// The files one run converts: those named on the command line and in the
// --files-from list, cut down to the run's share when it has one.
#pragma once

#include <string>

#include "cli/cli_options.h"
#include "cli/shard.h"

namespace orva {

// Results of ChooseRunFiles.
inline constexpr int kFilesChosen = 0;
inline constexpr int kNothingToConvert = 1;  // an empty list or share: nothing is wrong
inline constexpr int kFilesUnusable = 2;     // a list that cannot be read, an unclear share

// Replaces `options.files` with the files this run converts. The share is
// --shard's, else the Slurm array task's (`lookup` reads the environment).
// `message` says what was chosen when a share was taken or nothing is left,
// and why otherwise.
int ChooseRunFiles(CliOptions& options, const EnvironmentLookup& lookup, std::string& message);

}  // namespace orva
