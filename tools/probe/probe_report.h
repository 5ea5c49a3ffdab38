// One file's report in the form of ffprobe's "-show_streams -show_format"
// (default writer): a [STREAM] section per stream, then [FORMAT], with the
// keys the converter reads, printed as ffprobe prints them.
#pragma once

#include <string>

namespace orva::probe {

// The report of the media file at `path`; when it cannot be opened, one line
// "<path>: <reason>" and no section, as ffprobe says it on its error output.
std::string ProbeReport(const char* path);

}  // namespace orva::probe
