// The version service's reply and the update decision taken from it: the
// reply is what the service sent, the stored version what the version file
// holds (a user can edit it).
#include <cstdint>
#include <string>

#include "fuzz/fuzz_input.h"
#include "web/update_decision.h"
#include "web/web_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orva;
  const std::string reply(reinterpret_cast<const char*>(data), size);
  const std::optional<std::string> version = VersionFromReply(reply);
  (void)DecideUpdatePrompt(version, "1.0.0");
  (void)DecideUpdatePrompt(reply, "1.0.0");

  // Two halves compared both ways, as stored and running version.
  const std::vector<std::string> parts = fuzz::SplitAtNewlines(data, size);
  const std::string& running = parts.size() > 1 ? parts[1] : "1.0";
  (void)IsNewerVersion(parts[0], running);
  (void)IsNewerVersion(running, parts[0]);
  (void)DecideUpdatePrompt(parts[0], running);
  return 0;
}
