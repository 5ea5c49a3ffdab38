// The player's side of the picture memory the window handed over: a ring of
// a few slots, each one picture of the preview area's size, so the player
// draws the next picture while the window still paints the last one.
#pragma once

#include <cstddef>
#include <cstdint>

#include "player/frame_line.h"

namespace orva::player {

inline constexpr int kFrameSlots = 3;

class FrameRing {
 public:
  explicit FrameRing(int fd) : fd_(fd) {}
  ~FrameRing();
  FrameRing(const FrameRing&) = delete;
  FrameRing& operator=(const FrameRing&) = delete;

  // Whether the descriptor names memory that can be grown and mapped.
  bool usable() const;

  // The slot for the next picture of `width` x `height`, the memory grown
  // to hold a ring of them; null when the memory cannot be grown or mapped.
  // `frame` tells where it lies, for the announcement once it is drawn.
  std::uint8_t* nextSlot(int width, int height, FrameAnnouncement& frame);

 private:
  bool reserve(std::size_t bytes);

  int fd_;
  std::uint8_t* mapped_ = nullptr;
  std::size_t mappedBytes_ = 0;
  int next_ = 0;
};

}  // namespace orva::player
