#include "engine/command_line.h"

namespace orva {

std::vector<std::string> SplitCommandLine(const char* commandLine) {
  std::vector<std::string> arguments;
  std::string current;
  bool inArgument = false;
  bool quoted = false;
  for (const char* at = commandLine; *at != '\0'; ++at) {
    const char c = *at;
    if (c == '"') {
      quoted = !quoted;
      inArgument = true;  // "" is an empty argument of its own
    } else if (!quoted && (c == ' ' || c == '\t')) {
      if (inArgument) arguments.push_back(current);
      current.clear();
      inArgument = false;
    } else {
      current += c;
      inArgument = true;
    }
  }
  if (inArgument) arguments.push_back(current);
  return arguments;
}

}  // namespace orva
