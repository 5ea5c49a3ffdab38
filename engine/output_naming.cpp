#include "engine/output_naming.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/audio_track_rule.h"
#include "engine/process.h"
#include "engine/number_text.h"

namespace orva {

namespace {

// The longest file name most file systems take, in bytes.
constexpr std::size_t kMaxNameLength = 255;

// kNamed when the name is free, kNameNotCheckable when it cannot be told,
// and -1 when something already takes it.
int Availability(const std::string& path, const ReservedPaths* reserved) {
  if (reserved != nullptr && reserved->count(path) != 0) return -1;
  switch (PlatformPathPresence(path.c_str())) {
    case PathPresence::Absent: return kNamed;
    case PathPresence::Present: return -1;
    case PathPresence::Unknown: return kNameNotCheckable;
  }
  return kNameNotCheckable;
}

bool Fits(const std::string& folder, const std::string& name, const char* extension) {
  const std::size_t nameLength = name.size() + std::strlen(extension);
  return nameLength <= kMaxNameLength && folder.size() + nameLength < kJobPathCapacity;
}

}  // namespace

std::string OutputFolderFor(const JobItem& job) {
  std::string folder;
  if (job.out_dir[0] != '\0') {
    folder = job.out_dir;
    if (folder.back() != kPathSeparator) folder += kPathSeparator;
  } else {
    folder = std::string(job.drive) + job.dir;
  }
  return folder;
}

const char* OutputExtensionOf(const JobItem& job) {
  return job.out_ext[0] != '\0' ? job.out_ext : ChosenExtension(*job.profile);
}

std::string OutputPathOf(const JobItem& job) {
  return OutputFolderFor(job) + job.out_name + OutputExtensionOf(job);
}

int MakeUniqueName(std::string& name, std::string& folder, const char* extension,
                   const ReservedPaths* reserved) {
  if (folder.empty() || folder.back() != kPathSeparator) folder += kPathSeparator;
  // Checked before the search: a name the file system refuses can never be
  // found free.
  if (!Fits(folder, name, extension)) return kOutputPathTooLong;
  int result = Availability(folder + name + extension, reserved);
  if (result >= 0) return result;
  for (int n = 0;; ++n) {
    const std::string candidate = name + "(" + std::to_string(n) + ")";
    if (!Fits(folder, candidate, extension)) return kOutputPathTooLong;
    result = Availability(folder + candidate + extension, reserved);
    if (result < 0) continue;
    if (result == kNamed) name = candidate;
    return result;
  }
}

const char* NamingFailureText(int result) {
  return result == kOutputPathTooLong
             ? "the output path would be too long (259 characters, 255 for the file name)"
             : "the output folder cannot be searched";
}

int OutputPathFor(JobItem& job, std::string& outputPath, const ReservedPaths* reserved) {
  job.out_name[0] = '\0';
  job.out_ext[0] = '\0';
  outputPath.clear();
  const char* extension = ChosenExtension(*job.profile);
  std::string folder = OutputFolderFor(job);
  std::string name = job.name;
  const int result = MakeUniqueName(name, folder, extension, reserved);
  if (result != kNamed) return result;
  outputPath = folder + name + extension;
  std::snprintf(job.out_name, sizeof job.out_name, "%s", name.c_str());
  return kNamed;
}

int LeadingInteger(const char* text) { return text == nullptr ? 0 : std::atoi(text); }

void EstimateOutputSize(JobItem& job) {
  const Profile& profile = *job.profile;
  const AudioCodecEntry& audio = CurrentAudioEntry(profile);
  // Every audio track written counts at the profile's audio bit rate.
  const double audioBits = LeadingInteger(GetOptionItem(audio.audioBitrates, audio.audioBitrateIndex)) * 1000.0 *
                           WrittenAudioTracks(job);
  double videoBits = 0;
  const VideoCodecEntry* video = CurrentVideoEntry(profile);
  if (video != nullptr) {
    videoBits = LeadingInteger(GetOptionItem(video->videoBitrates, video->videoBitrateIndex)) * 1000.0;
  }
  constexpr double kBitsToMegabytes = 1.1920928955078125e-07;  // 1 / (8 * 2^20)
  job.est_size_mb = static_cast<float>((job.trim_end - job.trim_begin) *
                                       (audioBits + videoBits) * kBitsToMegabytes);
  if (job.est_size_mb == 0 || (video != nullptr && videoBits == 0)) {
    std::snprintf(job.size_text, sizeof job.size_text, "? MB");
  } else {
    const std::string megabytes = FixedText(static_cast<double>(job.est_size_mb), 1) + "MB";
    std::snprintf(job.size_text, sizeof job.size_text, "%s", megabytes.c_str());
  }
}

}  // namespace orva
