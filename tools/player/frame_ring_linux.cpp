#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tools/player/frame_ring.h"

namespace orva::player {

namespace {

// The playback library draws fastest into lines and pictures that start on
// 64-byte boundaries; whole pages keep each slot apart.
constexpr std::size_t kLineAlignment = 64;
constexpr std::size_t kSlotAlignment = 4096;

std::size_t RoundUp(std::size_t value, std::size_t step) { return (value + step - 1) / step * step; }

}  // namespace

FrameRing::~FrameRing() {
  if (mapped_ != nullptr) munmap(mapped_, mappedBytes_);
}

bool FrameRing::usable() const {
  struct stat facts = {};
  return fstat(fd_, &facts) == 0 && S_ISREG(facts.st_mode);
}

std::uint8_t* FrameRing::nextSlot(int width, int height, FrameAnnouncement& frame) {
  const std::size_t stride = RoundUp(static_cast<std::size_t>(width) * kFrameBytesPerPixel, kLineAlignment);
  const std::size_t slotBytes = RoundUp(stride * static_cast<std::size_t>(height), kSlotAlignment);
  if (!reserve(slotBytes * kFrameSlots)) return nullptr;
  const std::size_t offset = slotBytes * static_cast<std::size_t>(next_);
  next_ = (next_ + 1) % kFrameSlots;
  frame = {static_cast<std::int64_t>(offset), width, height, static_cast<int>(stride)};
  return mapped_ + offset;
}

// The memory only grows: the window may still paint from any part of it.
bool FrameRing::reserve(std::size_t bytes) {
  if (bytes <= mappedBytes_) return true;
  struct stat facts = {};
  if (fstat(fd_, &facts) != 0) return false;
  if (static_cast<std::size_t>(facts.st_size) < bytes &&
      ftruncate(fd_, static_cast<off_t>(bytes)) != 0) {
    return false;
  }
  void* view = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd_, 0);
  if (view == MAP_FAILED) return false;
  if (mapped_ != nullptr) munmap(mapped_, mappedBytes_);
  mapped_ = static_cast<std::uint8_t*>(view);
  mappedBytes_ = bytes;
  return true;
}

}  // namespace orva::player
