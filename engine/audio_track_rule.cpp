#include "engine/audio_track_rule.h"

#include <cstring>

namespace orva {

bool KeepsEveryAudioTrack(const Profile& profile) {
  if (profile.category == nullptr || profile.category->name == nullptr) return false;
  const char* category = profile.category->name;
  return std::strcmp(category, "General Video") == 0 || std::strcmp(category, "HD Video") == 0;
}

int WrittenAudioTracks(const JobItem& job) {
  if (job.profile == nullptr || !KeepsEveryAudioTrack(*job.profile) || job.audio_streams < 2) return 1;
  return job.audio_streams;
}

}  // namespace orva
