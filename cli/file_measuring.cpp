#include "cli/file_measuring.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "cli/interrupt.h"
#include "engine/output_naming.h"
#include "engine/process.h"
#include "profiles/profile.h"

namespace orva {

std::string Absolute(const std::string& path) {
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(path, error);
  return error ? path : full.string();
}

namespace {

bool NotInterrupted() { return InterruptCount() == 0; }

// The trim range and output folder of the command line, as the window's
// range editing would set them. False when the begin lies past the source.
bool ApplyJobOptions(const CliOptions& options, JobItem& job) {
  if (options.begin && *options.begin > 0) {
    if (*options.begin >= job.duration) return false;
    job.trim_begin = *options.begin;
  }
  if (options.end && *options.end > job.trim_begin) job.trim_end = *options.end;
  std::snprintf(job.out_dir, sizeof job.out_dir, "%s", options.outputDir.c_str());
  return true;
}

const char* ProbeFailureText(int result) {
  switch (result) {
    case kProbeNotStarted: return "the probe program cannot be started";
    case kProbeInterrupted: return "interrupted";
    default: return "cannot be measured";
  }
}

}  // namespace

FileMeasuring::FileMeasuring(const CliOptions& options, JobList& jobs, const std::string& probePath,
                             JobRecords& records)
    : options_(options), jobs_(jobs), records_(records), probe_(probePath), files_(options.files) {}

bool FileMeasuring::measureNext() {
  if (!pending()) return false;
  const std::string& file = files_[next_++];
  const std::string path = Absolute(file);
  std::string output;
  if (NotInterrupted() && options_.skipExisting && outputExists(path, output)) {
    std::fprintf(stderr, "orva-convert: %s: its output %s exists, skipped\n", file.c_str(), output.c_str());
    records_.outputExists(path, output);
  } else if (const char* reason = NotInterrupted() ? measure(path) : "interrupted") {
    std::fprintf(stderr, "orva-convert: %s: %s, skipped\n", file.c_str(), reason);
    records_.notConverted(path, reason);
    ++skipped_;
  }
  if (!pending()) probe_.close();  // its memory goes back to the encoders
  jobs_.renumber();
  return true;
}

JobItem* FileMeasuring::measureUntilAJob() {
  const int before = jobs_.count();
  while (jobs_.count() == before && measureNext()) {
  }
  return jobs_.at(before);
}

void FileMeasuring::measureAll() {
  while (measureNext()) {
  }
}

bool FileMeasuring::outputExists(const std::string& path, std::string& output) const {
  if (path.size() >= static_cast<std::size_t>(kJobPathCapacity)) return false;  // measuring says why
  JobItem job{};
  std::snprintf(job.path, sizeof job.path, "%s", path.c_str());
  SplitJobPath(job);
  std::snprintf(job.out_dir, sizeof job.out_dir, "%s", options_.outputDir.c_str());
  output = OutputFolderFor(job) + job.name + ChosenExtension(*currentProfile);
  return PlatformPathPresence(output.c_str()) == PathPresence::Present;
}

const char* FileMeasuring::measure(const std::string& path) {
  if (path.size() >= static_cast<std::size_t>(kJobPathCapacity)) return "the path is longer than 259 characters";
  if (PlatformPathPresence(path.c_str()) == PathPresence::Absent) return "no such file";
  int probed = kProbeNoDuration;
  JobItem* job = probe_.measure(path.c_str(), probed, NotInterrupted);
  if (job == nullptr) return ProbeFailureText(probed);
  jobs_.append(job);
  if (!ApplyJobOptions(options_, *jobs_.last())) {
    jobs_.removeAt(jobs_.count() - 1);
    return "--begin lies past its end";
  }
  return nullptr;
}

}  // namespace orva
