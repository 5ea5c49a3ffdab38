// Reading a command line into its arguments.
#pragma once

#include <string>
#include <vector>

namespace orva {

// Blanks (spaces and tabs) separate arguments, double quotes group text that
// holds blanks, and the quotes themselves are dropped: "\"a b\" c" gives
// {"a b", "c"} and "x\"\"" gives {"x"}.
std::vector<std::string> SplitCommandLine(const char* commandLine);

}  // namespace orva
