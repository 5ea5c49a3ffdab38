#include "web/web_config.h"

#include <cstdlib>

#include "web/compiled_endpoints.h"

namespace orva {

namespace {

void OverrideFromEnvironment(const char* variable, std::string& address) {
  if (const char* value = std::getenv(variable)) address = value;
}

}  // namespace

WebConfig CompiledWebConfig() {
  return {kCompiledVersionUrl, kCompiledStatsUrl};
}

WebConfig ResolveWebConfig(const WebConfig& compiled) {
  WebConfig config = compiled;
  OverrideFromEnvironment("ORVA_VERSION_URL", config.versionUrl);
  OverrideFromEnvironment("ORVA_STATS_URL", config.statsUrl);
  return config;
}

}  // namespace orva
