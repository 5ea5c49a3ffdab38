// Shapes a fuzzer's bytes the way the program receives outside text: as the
// chunks a pipe read delivers, or as separate arguments.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "engine/tool_runner.h"

namespace orva::fuzz {

// Feeds the bytes after the first into `runner.readBuffer` one NUL-terminated
// chunk at a time, as PollTool does, calling `digest` after each. The first
// byte picks the chunk size (1..511), so lines and reports get split at
// every place a read could split them.
template <typename Digest>
void FeedAsReads(const std::uint8_t* data, std::size_t size, ToolRunner& runner, Digest digest) {
  if (size == 0) return;
  const std::size_t chunk = 1 + data[0] % (kReadCapacity - 1);
  for (std::size_t at = 1; at < size; at += chunk) {
    const std::size_t length = size - at < chunk ? size - at : chunk;
    std::memcpy(runner.readBuffer, data + at, length);
    runner.readBuffer[length] = '\0';
    digest(runner);
  }
}

// The bytes as separate texts, split at each newline.
inline std::vector<std::string> SplitAtNewlines(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> parts(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\n') {
      parts.emplace_back();
    } else {
      parts.back() += static_cast<char>(data[i]);
    }
  }
  return parts;
}

}  // namespace orva::fuzz
