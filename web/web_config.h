// Where the web services live: the version service and the install report.
// This product runs no such service by default, so both addresses are empty
// unless a distributor sets them, and an empty endpoint means that request
// is never made.
#pragma once

#include <string>

namespace orva {

struct WebConfig {
  std::string versionUrl;  // version service endpoint
  std::string statsUrl;    // install report endpoint
};

// The addresses compiled in by the build (empty by default).
WebConfig CompiledWebConfig();

// `compiled`, with each address replaced by its environment variable when
// that is set: ORVA_VERSION_URL, ORVA_STATS_URL. A variable set to the empty
// text switches a compiled-in endpoint off.
WebConfig ResolveWebConfig(const WebConfig& compiled);

}  // namespace orva
