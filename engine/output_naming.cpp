#include "engine/output_naming.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "engine/process.h"

namespace orva {

namespace {

bool Exists(const std::string& path) {
  std::error_code error;
  // A dangling link still takes the name.
  return std::filesystem::symlink_status(path, error).type() !=
         std::filesystem::file_type::not_found;
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

void MakeUniqueName(std::string& name, std::string& folder, const char* extension) {
  if (folder.empty() || folder.back() != kPathSeparator) folder += kPathSeparator;
  if (!Exists(folder + name + extension)) return;
  for (int n = 0;; ++n) {
    const std::string candidate = name + "(" + std::to_string(n) + ")";
    if (!Exists(folder + candidate + extension)) {
      name = candidate;
      return;
    }
  }
}

bool OutputPathFor(JobItem& job, std::string& outputPath) {
  const char* extension = ChosenExtension(*job.profile);
  std::string folder = OutputFolderFor(job);
  std::string name = job.name;
  MakeUniqueName(name, folder, extension);
  outputPath = folder + name + extension;
  if (outputPath.size() >= kJobPathCapacity) {
    job.out_name[0] = '\0';
    outputPath.clear();
    return false;
  }
  std::snprintf(job.out_name, sizeof job.out_name, "%s", name.c_str());
  return true;
}

int LeadingInteger(const char* text) { return text == nullptr ? 0 : std::atoi(text); }

void EstimateOutputSize(JobItem& job) {
  const Profile& profile = *job.profile;
  const AudioCodecEntry& audio = CurrentAudioEntry(profile);
  const double audioBits =
      LeadingInteger(GetOptionItem(audio.audioBitrates, audio.audioBitrateIndex)) * 1000.0;
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
    std::snprintf(job.size_text, sizeof job.size_text, "%.1fMB", static_cast<double>(job.est_size_mb));
  }
}

}  // namespace orva
