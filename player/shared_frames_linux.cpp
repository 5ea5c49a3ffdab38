#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "player/shared_frames.h"

namespace orva {

SharedFrames::~SharedFrames() {
  if (mapped_ != nullptr) munmap(mapped_, mappedBytes_);
  if (fd_ >= 0) close(fd_);
}

bool SharedFrames::create() {
  if (fd_ >= 0) return true;
  int fd = memfd_create("orva-preview-frames", MFD_CLOEXEC);
  if (fd < 0) return false;
  // The child's standard streams take 0 to 2: the number handed over must
  // lie above them.
  if (fd <= STDERR_FILENO) {
    const int lifted = fcntl(fd, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
    close(fd);
    if (lifted < 0) return false;
    fd = lifted;
  }
  fd_ = fd;
  return true;
}

const std::uint8_t* SharedFrames::picture(const FrameAnnouncement& frame) {
  if (fd_ < 0 || frame.offset < 0 || !mapAtLeast(frame.endOffset())) return nullptr;
  return mapped_ + frame.offset;
}

bool SharedFrames::mapAtLeast(std::int64_t bytes) {
  if (bytes <= static_cast<std::int64_t>(mappedBytes_)) return true;
  struct stat facts = {};
  // The player grows the memory before it announces a picture in the new part.
  if (fstat(fd_, &facts) != 0 || facts.st_size < bytes) return false;
  const auto size = static_cast<std::size_t>(facts.st_size);
  void* view = mmap(nullptr, size, PROT_READ, MAP_SHARED, fd_, 0);
  if (view == MAP_FAILED) return false;
  if (mapped_ != nullptr) munmap(mapped_, mappedBytes_);
  mapped_ = static_cast<std::uint8_t*>(view);
  mappedBytes_ = size;
  return true;
}

}  // namespace orva
