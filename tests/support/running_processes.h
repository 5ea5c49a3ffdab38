// Looking for processes a test started, by their command lines.
#pragma once

#include <string>

namespace orva::test {

// True when a running process's command line mentions `text`.
bool ProcessMentions(const std::string& text);

}  // namespace orva::test
