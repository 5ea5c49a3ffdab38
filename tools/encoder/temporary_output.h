// ffmpeg writes into a hidden file beside the output; only a finished file
// is moved to the output's name.
#pragma once

#include <string>

namespace orva::encoder {

// "<folder>/.<name>.part-<pid><ext>": the extension stays last so that ffmpeg
// picks the output's muxer.
std::string TemporaryPathFor(const std::string& outputPath, long processId);

// Removes temporary files of the same output left by encoder programs that
// are gone (killed before they could clean up). Returns how many.
int RemoveStaleTemporaries(const std::string& outputPath);

// Moves the finished file to the output path; false when that fails.
bool CommitTemporary(const std::string& temporaryPath, const std::string& outputPath);

// Removes the temporary file if there is one.
void DiscardTemporary(const std::string& temporaryPath);

}  // namespace orva::encoder
