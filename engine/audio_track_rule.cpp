#include "engine/audio_track_rule.h"

#include <cctype>
#include <cstring>
#include <string>

namespace orva {

bool KeepsEveryAudioTrack(const Profile& profile) {
  if (profile.category == nullptr || profile.category->name == nullptr) return false;
  const char* category = profile.category->name;
  return std::strcmp(category, "General Video") == 0 || std::strcmp(category, "HD Video") == 0;
}

namespace {

// RealMedia and DV files hold a single audio track.
bool HoldsOneAudioTrack(const char* extension) {
  if (extension == nullptr) return false;
  std::string lowered = extension;
  for (char& c : lowered) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const char* single : {".rm", ".rmvb", ".ram", ".ra", ".dv"}) {
    if (lowered == single) return true;
  }
  return false;
}

}  // namespace

int WrittenAudioTracks(const JobItem& job) {
  if (job.profile == nullptr || !KeepsEveryAudioTrack(*job.profile) || job.audio_streams < 2) return 1;
  return HoldsOneAudioTrack(ChosenExtension(*job.profile)) ? 1 : job.audio_streams;
}

}  // namespace orva
