// The splitter that turns a child's command line, which carries the user's
// file names, into its arguments.
#include <cstdint>
#include <string>

#include "engine/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  (void)orva::SplitCommandLine(line.c_str());
  return 0;
}
