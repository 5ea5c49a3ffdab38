#include "app/data_files.h"

#include <cerrno>
#include <cstdio>
#include <string>

#include "engine/process.h"

namespace orva {

std::optional<std::string> ReadWholeFile(const char* path) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return std::nullopt;
  std::string content;
  char chunk[4096];
  std::size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) content.append(chunk, n);
  std::fclose(file);
  if (content.empty()) return std::nullopt;
  return content;
}

int WriteTextFile(const char* path, const std::string& text) {
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return -1;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return (std::fclose(file) == 0 && written) ? 0 : -1;
}

namespace {

// A name no user picks for a file of their own.
constexpr char kProbeFileName[] = "orvaWriteProbe7Q2Z9";

enum class ProbeResult { Created, Exists, Refused };

ProbeResult TryProbeFile(const std::string& path) {
  // "x": created exclusively, so an existing file is never truncated.
  std::FILE* file = std::fopen(path.c_str(), "wbx");
  if (file == nullptr) return errno == EEXIST ? ProbeResult::Exists : ProbeResult::Refused;
  std::fclose(file);
  std::remove(path.c_str());
  return ProbeResult::Created;
}

}  // namespace

int CheckWritableFolder(const char* folder) {
  std::string base = folder;
  if (base.empty() || base.back() != kPathSeparator) base += kPathSeparator;
  base += kProbeFileName;
  // A file of that name already there (left by a crash, or a user's own)
  // proves nothing either way, so another name is tried beside it.
  for (int attempt = 0; attempt < 16; ++attempt) {
    const std::string path = attempt == 0 ? base : base + "-" + std::to_string(attempt);
    switch (TryProbeFile(path)) {
      case ProbeResult::Created: return 0;
      case ProbeResult::Refused: return 1;
      case ProbeResult::Exists: break;
    }
  }
  return 1;
}

}  // namespace orva
