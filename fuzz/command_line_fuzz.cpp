// The splitter that turns a child's command line, which carries the user's
// file names, into its arguments; and the quoting that writes a name into
// such a line, which must read back as that one name whatever it holds.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  (void)orva::SplitCommandLine(line.c_str());

  const std::string name = line.substr(0, line.find('\0'));  // a path ends at its NUL
  const auto readBack = orva::SplitCommandLine(orva::QuoteArgument(name).c_str());
  if (readBack.size() != 1 || readBack[0] != name) std::abort();
  return 0;
}
