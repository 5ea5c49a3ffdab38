// The addresses of the program's home page and product page. They are the
// installation's configuration: compiled in by the build and overridable by
// the environment. Empty means there is no such page.
#pragma once

#include <string>

namespace orva {

// The address for kStrHomePage or kStrProductPage; empty for any other id.
std::string ProgramPageAddress(int stringId);

}  // namespace orva
