// ffmpeg writes into a hidden file beside the output; only a finished file
// is moved to the output's name.
#pragma once

#include <string>

#include "engine/process.h"

namespace orva::encoder {

// "<folder>/.<name>.part-<host>-<pid><ext>": the extension stays last so
// that ffmpeg picks the output's muxer; the host and the process id mark the
// file as ours, so that a sweep on a folder shared between machines never
// takes another machine's running conversion for a leftover.
std::string TemporaryPathFor(const std::string& outputPath, long processId);

// Removes temporary files of the same output left on this host by encoder
// programs that are gone (killed before they could clean up). Returns how
// many.
int RemoveStaleTemporaries(const std::string& outputPath);

// Moves the finished file to the output path without ever replacing a file:
// when something took that name meanwhile, the next free "name(n)" of it is
// used. `writtenPath` gets the path used; false when the move failed.
bool CommitTemporary(const std::string& temporaryPath, const std::string& outputPath,
                     std::string& writtenPath);

// How CommitTemporary moves files from now on (the best way unless told).
void MoveFinishedFilesBy(MoveWay way);

// Removes the temporary file if there is one.
void DiscardTemporary(const std::string& temporaryPath);

}  // namespace orva::encoder
