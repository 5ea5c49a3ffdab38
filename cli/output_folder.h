// The --output-dir of a run: made when it does not exist yet, as mkdir -p
// would, so that many tasks of one batch need no mkdir of their own.
#pragma once

#include <string>

namespace orva {

// Results of MakeOutputFolder.
inline constexpr int kFolderThere = 0;
inline constexpr int kFolderMade = 1;
inline constexpr int kFolderNotMade = 2;  // `error` says why

// Makes `folder` and the folders above it that are missing. Another run
// making the same folder at the same moment is no failure.
int MakeOutputFolder(const std::string& folder, std::string& error);

// Whether nothing at all is at `folder`, so that a real run would make it.
bool OutputFolderMissing(const std::string& folder);

}  // namespace orva
