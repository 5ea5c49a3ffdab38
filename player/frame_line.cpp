#include "player/frame_line.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace orva {

namespace {

constexpr char kFramePrefix[] = "fr:";
constexpr std::size_t kLongestFrameLine = 64;

bool ReadField(const char*& cursor, long long low, long long high, long long& value) {
  if (*cursor < '0' || *cursor > '9') return false;  // no sign, no blank
  char* end = nullptr;
  errno = 0;
  value = std::strtoll(cursor, &end, 10);
  if (errno != 0 || value < low || value > high) return false;
  cursor = end;
  return true;
}

}  // namespace

std::string FormatFrameLine(const FrameAnnouncement& frame) {
  return kFramePrefix + std::to_string(frame.width) + " " + std::to_string(frame.height) + " " +
         std::to_string(frame.stride) + " " + std::to_string(frame.offset);
}

bool ParseFrameLine(const char* line, std::size_t length, FrameAnnouncement& frame) {
  const std::size_t prefix = std::strlen(kFramePrefix);
  if (length <= prefix || length > kLongestFrameLine || std::strncmp(line, kFramePrefix, prefix) != 0) {
    return false;
  }
  char text[kLongestFrameLine + 1];
  std::memcpy(text, line, length);
  text[length] = '\0';
  const char* cursor = text + prefix;
  long long width = 0, height = 0, stride = 0, offset = 0;
  const long long widestLine = static_cast<long long>(kLargestFrameSide) * kFrameBytesPerPixel * 2;
  if (!ReadField(cursor, 1, kLargestFrameSide, width) || *cursor++ != ' ' ||
      !ReadField(cursor, 1, kLargestFrameSide, height) || *cursor++ != ' ' ||
      !ReadField(cursor, width * kFrameBytesPerPixel, widestLine, stride) || *cursor++ != ' ' ||
      !ReadField(cursor, 0, INT64_MAX / 2, offset) || *cursor != '\0') {
    return false;
  }
  frame = {offset, static_cast<int>(width), static_cast<int>(height), static_cast<int>(stride)};
  return true;
}

}  // namespace orva
