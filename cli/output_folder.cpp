#include "cli/output_folder.h"

#include <filesystem>

#include "engine/process.h"

namespace orva {

int MakeOutputFolder(const std::string& folder, std::string& error) {
  std::error_code failure;
  const bool made = std::filesystem::create_directories(folder, failure);
  if (failure) {
    error = failure.message();
    return kFolderNotMade;
  }
  return made ? kFolderMade : kFolderThere;
}

bool OutputFolderMissing(const std::string& folder) {
  return PlatformPathPresence(folder.c_str()) == PathPresence::Absent;
}

}  // namespace orva
