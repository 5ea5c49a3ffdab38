// The profile orva-convert converts with: a typed id, else the saved choice
// of the program folder, then the typed choices among its items.
#pragma once

#include <string>

#include "cli/cli_options.h"

namespace orva {

// Makes the chosen profile the profile in use. Never writes the saved
// choice. False with `error` set when a typed id or item is not offered.
bool ChooseProfile(const CliOptions& options, const std::string& programFolder, std::string& error);

}  // namespace orva
