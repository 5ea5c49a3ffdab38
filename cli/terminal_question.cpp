#include "cli/terminal_question.h"

#include <unistd.h>

#include <cstdio>

#include "engine/conversion_texts.h"

namespace orva {

namespace {

// One line from stdin; false when it could not be read whole.
bool ReadAnswerLine(std::string& line) {
  for (;;) {
    char c = 0;
    const ssize_t got = read(STDIN_FILENO, &c, 1);
    if (got <= 0) return false;  // end of input, or interrupted
    if (c == '\n') return true;
    line += c;
  }
}

}  // namespace

bool AskYesNoOnTerminal(const std::string& question) {
  std::fprintf(stderr, "%s\n", question.c_str());
  if (isatty(STDIN_FILENO) == 0) {
    std::fputs("(no terminal to answer: no)\n", stderr);
    return false;
  }
  std::fputs("[y/N] ", stderr);
  std::fflush(stderr);
  std::string answer;
  if (!ReadAnswerLine(answer)) {
    std::fputs("\n", stderr);
    return false;
  }
  const auto first = answer.find_first_not_of(" \t");
  return first != std::string::npos && (answer[first] == 'y' || answer[first] == 'Y');
}

bool AskIgnoreNotWritableOnTerminal(const std::string& folder) {
  return AskYesNoOnTerminal(std::string(kNotWritableCaption) + ": " + kNotWritableMessage + "\n" + folder);
}

}  // namespace orva
