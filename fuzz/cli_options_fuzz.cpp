// orva-convert's arguments, one a line: read, then applied to the catalogue
// as a run would (typed id or the saved choice, then the typed items).
#include <cstdint>
#include <string>

#include "cli/chosen_profile.h"
#include "cli/cli_options.h"
#include "fuzz/fuzz_input.h"
#include "profiles/catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orva;
  CliOptions options;
  std::string error;
  if (!ParseCliOptions(fuzz::SplitAtNewlines(data, size), options, error)) return 0;
  if (options.mode != CliMode::Convert && options.mode != CliMode::ShowProfile) return 0;
  SetUpCatalogue();  // every input starts from the built-in choices
  // A folder without profile.dat: the saved choice is the first profile.
  (void)ChooseProfile(options, "/nonexistent-orva-folder", error);
  return 0;
}
