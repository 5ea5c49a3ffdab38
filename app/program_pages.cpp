#include "app/program_pages.h"

#include <cstdlib>

#include "app/string_table.h"

#ifndef ORVA_HOME_URL
#define ORVA_HOME_URL ""
#endif
#ifndef ORVA_PRODUCT_URL
#define ORVA_PRODUCT_URL ""
#endif

namespace orva {

namespace {

std::string ConfiguredAddress(const char* variable, const char* builtIn) {
  const char* fromEnvironment = std::getenv(variable);
  return fromEnvironment != nullptr ? fromEnvironment : builtIn;
}

}  // namespace

std::string ProgramPageAddress(int stringId) {
  if (stringId == kStrHomePage) return ConfiguredAddress("ORVA_HOME_URL", ORVA_HOME_URL);
  if (stringId == kStrProductPage) return ConfiguredAddress("ORVA_PRODUCT_URL", ORVA_PRODUCT_URL);
  return {};
}

}  // namespace orva
