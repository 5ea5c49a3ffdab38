// Runs a short helper command (the probe, a preparing ffmpeg pass) to its
// end and collects what it writes.
#pragma once

#include <string>

namespace orva {

// True when the command started and ended with status 0; `output` holds its
// standard output (and error, as the launcher joins them).
bool RunToEnd(const std::string& commandLine, std::string& output);

}  // namespace orva
