#include "engine/command_line.h"

#include <cstddef>

namespace orva {

std::vector<std::string> SplitCommandLine(const char* commandLine) {
  std::vector<std::string> arguments;
  std::string current;
  bool inArgument = false;
  bool quoted = false;
  for (const char* at = commandLine; *at != '\0'; ++at) {
    const char c = *at;
    if (c == '\\') {
      std::size_t backslashes = 0;
      while (at[backslashes] == '\\') ++backslashes;
      at += backslashes - 1;
      inArgument = true;
      if (at[1] != '"') {
        current.append(backslashes, '\\');  // not before a quote: as written
        continue;
      }
      current.append(backslashes / 2, '\\');
      if (backslashes % 2 == 1) {
        current += '"';  // an escaped quote belongs to the argument
        ++at;
      }
    } else if (c == '"') {
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

std::string QuoteArgument(const std::string& argument) {
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes before a quote are doubled, and the quote gets one more.
    const std::size_t written = c == '"' ? 2 * backslashes + 1 : backslashes;
    quoted.append(written, '\\');
    quoted += c;
    backslashes = 0;
  }
  quoted.append(2 * backslashes, '\\');  // so the closing quote still closes
  quoted += '"';
  return quoted;
}

}  // namespace orva
