// orva-convert: converts media files with the profiles of the converter,
// from the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "app/string_table.h"
#include "cli/batch_conversion.h"
#include "cli/chosen_profile.h"
#include "cli/cli_options.h"
#include "cli/interrupt.h"
#include "cli/profile_listing.h"
#include "engine/process.h"
#include "profiles/catalogue.h"

namespace {

int UsageError(const std::string& error) {
  std::fprintf(stderr, "orva-convert: %s\n%s", error.c_str(), orva::CliUsage());
  return orva::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace orva;
  CliOptions options;
  std::string error;
  if (!ParseCliOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
    return UsageError(error);
  }
  if (options.mode == CliMode::Help) {
    std::fputs(CliSummary(), stdout);
    std::fputs(CliUsage(), stdout);
    return kExitSuccess;
  }
  if (options.mode == CliMode::Version) {
    std::printf("orva-convert (%s) %s\n", LoadString(kStrTitle), LoadString(kStrVersion));
    return kExitSuccess;
  }

  SetUpCatalogue();
  if (options.mode == CliMode::ListProfiles) {
    PrintProfileList(stdout);
    return kExitSuccess;
  }
  const std::string programFolder = PlatformExecutableFolder();
  if (!ChooseProfile(options, programFolder, error)) {
    std::fprintf(stderr, "orva-convert: %s\n", error.c_str());
    return kExitUsage;
  }
  if (options.mode == CliMode::ShowProfile) {
    PrintProfileDetails(stdout, *currentProfile);
    return kExitSuccess;
  }
  InstallInterruptHandler();
  return ConvertFiles(options, programFolder);
}
