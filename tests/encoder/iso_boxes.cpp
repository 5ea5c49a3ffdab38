#include "iso_boxes.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

namespace orva::encoder::test {

namespace {

std::uint64_t BigEndian(const unsigned char* bytes, int count) {
  std::uint64_t value = 0;
  for (int i = 0; i < count; ++i) value = value << 8 | bytes[i];
  return value;
}

}  // namespace

std::vector<std::string> TopLevelBoxes(const std::string& path) {
  std::vector<std::string> boxes;
  std::ifstream file(path, std::ios::binary);
  if (!file) return boxes;
  file.seekg(0, std::ios::end);
  const auto fileSize = static_cast<std::uint64_t>(file.tellg());
  std::uint64_t at = 0;
  while (at + 8 <= fileSize) {
    unsigned char header[16];
    file.seekg(static_cast<std::streamoff>(at));
    if (!file.read(reinterpret_cast<char*>(header), 8)) break;
    std::uint64_t size = BigEndian(header, 4);
    if (size == 1) {  // a 64-bit size follows the type
      if (!file.read(reinterpret_cast<char*>(header + 8), 8)) break;
      size = BigEndian(header + 8, 8);
    } else if (size == 0) {  // the box runs to the end of the file
      size = fileSize - at;
    }
    if (size < 8 || at + size > fileSize) break;
    boxes.emplace_back(reinterpret_cast<const char*>(header + 4), 4);
    at += size;
  }
  return boxes;
}

bool IndexComesFirst(const std::vector<std::string>& boxes) {
  const auto index = std::find(boxes.begin(), boxes.end(), "moov");
  const auto data = std::find(boxes.begin(), boxes.end(), "mdat");
  return index != boxes.end() && data != boxes.end() && index < data;
}

}  // namespace orva::encoder::test
