// orva-convert: converts media files with the profiles of the converter,
// from the command line.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/string_table.h"
#include "cli/batch_conversion.h"
#include "cli/chosen_profile.h"
#include "cli/cli_options.h"
#include "cli/interrupt.h"
#include "cli/profile_listing.h"
#include "cli/report_summary.h"
#include "cli/run_files.h"
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

  if (options.mode == CliMode::Summarize) return SummarizeReports(options.files, stdout, stderr);
  if (options.mode == CliMode::Convert) {
    std::string message;
    const int chosen = ChooseRunFiles(options, [](const char* name) { return std::getenv(name); }, message);
    if (!message.empty()) std::fprintf(stderr, "orva-convert: %s\n", message.c_str());
    if (chosen == kNothingToConvert) return kExitSuccess;
    if (chosen == kFilesUnusable) return kExitUsage;
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
