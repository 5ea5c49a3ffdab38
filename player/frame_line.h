// The player's "a new picture is ready" line: where in the shared frame
// memory the picture lies and how it is laid out. The window's position
// reader passes over it: it never begins with "ct:".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace orva {

// Pictures are 4 bytes a pixel, in memory: blue, green, red, 255 (opaque).
inline constexpr int kFrameBytesPerPixel = 4;
inline constexpr int kLargestFrameSide = 16384;

struct FrameAnnouncement {
  std::int64_t offset = 0;  // of the first line, from the start of the memory
  int width = 0;
  int height = 0;
  int stride = 0;  // bytes from one line to the next

  std::int64_t endOffset() const { return offset + static_cast<std::int64_t>(stride) * height; }
};

// "fr:WIDTH HEIGHT STRIDE OFFSET", without the line break.
std::string FormatFrameLine(const FrameAnnouncement& frame);

// Reads a line of `length` characters (not NUL-terminated). False for any
// other line and for a picture whose layout cannot be right: sides out of
// 1..16384, lines shorter than the width, a negative offset.
bool ParseFrameLine(const char* line, std::size_t length, FrameAnnouncement& frame);

// The stdin command that tells the player the size of the preview area in
// device pixels: "sz:WIDTHxHEIGHT".
inline constexpr char kFrameSizeFormat[] = "sz:%dx%d\n";

}  // namespace orva
