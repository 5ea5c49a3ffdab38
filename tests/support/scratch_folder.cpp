#include "scratch_folder.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>

namespace orva::test {

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "orva-test-XXXXXX").string();
  path_ = mkdtemp(pattern.data());
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void ScratchFolder::touch(const std::string& name) const { std::ofstream(file(name)) << "x"; }

int ScratchFolder::fileCount() const {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(path_)) ++count;
  return count;
}

}  // namespace orva::test
