#include "tools/encoder/temporary_output.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "engine/process.h"
#include "tools/encoder/container.h"

namespace orva::encoder {

namespace {

constexpr char kPartMarker[] = ".part-";

struct PathParts {
  std::string folder;  // with its separator, or "" for the current folder
  std::string stem;    // name without extension
  std::string extension;
};

PathParts SplitOutput(const std::string& path) {
  PathParts parts;
  const auto separator = path.rfind(kPathSeparator);
  const std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
  parts.folder = separator == std::string::npos ? "" : path.substr(0, separator + 1);
  parts.extension = ExtensionOf(name);
  parts.stem = name.substr(0, name.size() - parts.extension.size());
  return parts;
}

// Host names may hold characters a file name should not; those become '_'.
std::string HostMark() {
  std::string host = PlatformHostName().substr(0, 64);
  for (char& c : host) {
    const bool plain = std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '_' || c == '.';
    if (!plain) c = '_';
  }
  return host.empty() ? "host" : host;
}

// The process id in a temporary name of this output made on this host, or
// 0 when the name is not one.
long OwnerOf(const std::string& fileName, const PathParts& output) {
  const std::string prefix = "." + output.stem + kPartMarker + HostMark() + "-";
  if (fileName.size() <= prefix.size() + output.extension.size()) return 0;
  if (fileName.compare(0, prefix.size(), prefix) != 0) return 0;
  if (fileName.compare(fileName.size() - output.extension.size(), std::string::npos,
                       output.extension) != 0) {
    return 0;
  }
  const std::string digits = fileName.substr(
      prefix.size(), fileName.size() - prefix.size() - output.extension.size());
  if (digits.find_first_not_of("0123456789") != std::string::npos) return 0;
  return std::strtol(digits.c_str(), nullptr, 10);
}

// Enough for every "(n)" a folder can really hold; a bound keeps a file
// system that answers strangely from holding the encoder for ever.
constexpr int kMaxCounter = 100000;

MoveWay moveWay = MoveWay::Best;

}  // namespace

std::string TemporaryPathFor(const std::string& outputPath, long processId) {
  const PathParts parts = SplitOutput(outputPath);
  return parts.folder + "." + parts.stem + kPartMarker + HostMark() + "-" +
         std::to_string(processId) + parts.extension;
}

int RemoveStaleTemporaries(const std::string& outputPath) {
  namespace fs = std::filesystem;
  const PathParts parts = SplitOutput(outputPath);
  std::error_code error;
  fs::directory_iterator entries(parts.folder.empty() ? "." : parts.folder, error);
  int removed = 0;
  for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
    const long owner = OwnerOf(entries->path().filename().string(), parts);
    if (owner <= 0 || PlatformProcessExists(owner)) continue;
    std::error_code ignored;
    if (fs::remove(entries->path(), ignored)) ++removed;
  }
  return removed;
}

bool CommitTemporary(const std::string& temporaryPath, const std::string& outputPath,
                     std::string& writtenPath) {
  const PathParts parts = SplitOutput(outputPath);
  writtenPath = outputPath;
  for (int n = 0; n <= kMaxCounter; ++n) {
    switch (PlatformMoveWithoutReplacing(temporaryPath.c_str(), writtenPath.c_str(), moveWay)) {
      case MoveResult::Moved: return true;
      case MoveResult::Failed: return false;
      case MoveResult::Taken: break;
    }
    writtenPath = parts.folder + parts.stem + "(" + std::to_string(n) + ")" + parts.extension;
  }
  return false;
}

void MoveFinishedFilesBy(MoveWay way) { moveWay = way; }

void DiscardTemporary(const std::string& temporaryPath) {
  std::remove(temporaryPath.c_str());
}

}  // namespace orva::encoder
