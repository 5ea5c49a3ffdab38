// The window's side of the memory the player draws its pictures into: made
// here, handed to the player by descriptor number, and read back for each
// picture the player announces. Only the player sizes it, and it only ever
// grows, so a picture the window still shows stays mapped.
#pragma once

#include <cstddef>
#include <cstdint>

#include "player/frame_line.h"

namespace orva {

class SharedFrames {
 public:
  SharedFrames() = default;
  ~SharedFrames();
  SharedFrames(const SharedFrames&) = delete;
  SharedFrames& operator=(const SharedFrames&) = delete;

  // Makes the memory (empty, closed on exec: only a launch that names it
  // passes it on). False when the system offers none.
  bool create();
  // The descriptor to hand to the player; -1 before create().
  int descriptor() const { return fd_; }

  // The first byte of an announced picture, mapping what the player has
  // added since the last one; null when the picture lies beyond the memory.
  const std::uint8_t* picture(const FrameAnnouncement& frame);

 private:
  bool mapAtLeast(std::int64_t bytes);

  int fd_ = -1;
  std::uint8_t* mapped_ = nullptr;
  std::size_t mappedBytes_ = 0;
};

}  // namespace orva
