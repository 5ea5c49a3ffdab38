// The small data files beside the executable, and the writability test of a
// destination folder.
#pragma once

#include <optional>
#include <string>

namespace orva {

// The whole content of a file; nothing when it cannot be opened or is empty.
std::optional<std::string> ReadWholeFile(const char* path);

// Creates or truncates the file and writes the text; -1 when it cannot be
// created, 0 otherwise.
int WriteTextFile(const char* path, const std::string& text);

// 0 when files can be created in the folder, 1 otherwise. The test never
// touches an existing file: its probe file is created exclusively and
// removed again.
int CheckWritableFolder(const char* folder);

}  // namespace orva
