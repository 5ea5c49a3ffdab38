// The web check made once per start: ask the version service for the newest
// version, and report the installation until the report is accepted.
#pragma once

#include <atomic>
#include <optional>
#include <string>

#include "web/web_config.h"

namespace orva {

inline constexpr long kWebTimeoutSeconds = 30;

// Everything the check needs, fixed by the start-up before it runs; the
// paths and the install time come from StartupData (app/startup_data.h).
struct WebCheckInput {
  std::string versionPath;        // the version file, rewritten after a good reply
  std::string installMarkerPath;  // created when the install report is accepted
  std::string installTime;        // install.date's text; empty once the marker exists
  std::string referralLink;       // from ReadReferralLink; empty: no affiliate
  WebConfig config;               // from ResolveWebConfig(CompiledWebConfig())
  long timeoutSeconds = kWebTimeoutSeconds;
};

// The version text of a version service reply: 16 characters the program
// ignores, one separator, then the version to the end. Nothing when the
// reply is shorter than 18 or longer than 30 characters.
std::optional<std::string> VersionFromReply(const std::string& reply);

// Runs the check on the calling thread. The version query rewrites the
// version file after a well-formed reply; while the install marker is
// missing, the install report creates it when the service answers exactly
// "ok". Every failure is silent. Once `cancel` is set, a running request is
// aborted and nothing further is sent or written.
void RunWebCheck(const WebCheckInput& input, const std::atomic<bool>& cancel);

}  // namespace orva
