// Whether the window offers an update, from the version the service last
// reported (the version file) and the running program's version (string
// kStrVersion).
#pragma once

#include <optional>
#include <string>

namespace orva {

struct UpdatePrompt {
  bool show = false;
  std::string version;  // the version to announce when `show`
};

// Prompts only when the stored text has the running version's length,
// differs from it, and is the greater of the two as dotted numbers, so that
// an older release of the same length is never offered. A missing or empty
// stored text never prompts.
UpdatePrompt DecideUpdatePrompt(const std::optional<std::string>& storedVersion,
                                const std::string& programVersion);

// True when both texts are dotted decimal numbers ("1.7.30") and `candidate`
// is the greater; a missing trailing part counts as 0.
bool IsNewerVersion(const std::string& candidate, const std::string& running);

}  // namespace orva
