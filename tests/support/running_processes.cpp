#include "running_processes.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace orva::test {

bool ProcessMentions(const std::string& text) {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator("/proc", ignored)) {
    // A process that ends while it is read makes the read fail with an
    // exception: it mentions nothing any more.
    try {
      std::ifstream file(entry.path() / "cmdline");
      const std::string line((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
      if (line.find(text) != std::string::npos) return true;
    } catch (const std::exception&) {
    }
  }
  return false;
}

}  // namespace orva::test
