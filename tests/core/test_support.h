// Helpers shared by the core tests: scratch folders, generated media and
// hand-built profiles.
#pragma once

#include <string>

#include "profiles/profile.h"

namespace orva::test {

// A fresh empty folder under the system's temporary folder, removed with
// the object.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  void touch(const std::string& name) const;

 private:
  std::string path_;
};

// Runs ffmpeg with the given arguments (after "-v error -y"); true on success.
bool RunFfmpeg(const std::string& arguments);

// A profile shaped like a small phone preset: MPEG-4 video 320x240 at 640K and
// 29.97 fps, AAC 128K 48000 Hz stereo, into ".mp4".
Profile& VideoTestProfile();
// An audio-only profile: mp3 at 128K, 44100 Hz, stereo, into ".mp3".
Profile& AudioTestProfile();

}  // namespace orva::test
