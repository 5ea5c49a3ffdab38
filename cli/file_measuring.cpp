#include "cli/file_measuring.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>

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

// How long taking the next file waits for the measuring thread: about as
// long as a wait for the encoders, whose place it takes.
constexpr int kTakeWaitMilliseconds = 10;

std::vector<std::string> AbsolutePaths(const std::vector<std::string>& files) {
  std::vector<std::string> paths;
  for (const std::string& file : files) paths.push_back(Absolute(file));
  return paths;
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
    : options_(options),
      jobs_(jobs),
      records_(records),
      probe_(probePath),
      files_(options.files),
      ahead_(
          AbsolutePaths(files_), [this](const std::string& path) { return measure(path); },
          [this] { probe_.close(); }) {}  // its memory goes back to the encoders

bool FileMeasuring::measureNext() {
  if (!pending()) return false;
  MeasuredFile measured;
  if (NotInterrupted() && !ahead_.take(next_, measured, kTakeWaitMilliseconds)) return true;
  if (!NotInterrupted()) {
    measured = MeasuredFile{};
    measured.reason = "interrupted";
  }
  report(files_[next_++], measured);
  if (!pending()) ahead_.stop();
  jobs_.renumber();
  return true;
}

void FileMeasuring::report(const std::string& file, MeasuredFile& measured) {
  if (measured.job != nullptr) {
    jobs_.append(measured.job.release());
  } else if (!measured.existingOutput.empty()) {
    std::fprintf(stderr, "orva-convert: %s: its output %s exists, skipped\n", file.c_str(),
                 measured.existingOutput.c_str());
    records_.outputExists(Absolute(file), measured.existingOutput);
  } else {
    std::fprintf(stderr, "orva-convert: %s: %s, skipped\n", file.c_str(), measured.reason);
    records_.notConverted(Absolute(file), measured.reason);
    ++skipped_;
  }
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

MeasuredFile FileMeasuring::measure(const std::string& path) {
  MeasuredFile measured;
  std::string output;
  if (!NotInterrupted()) {
    measured.reason = "interrupted";
  } else if (options_.skipExisting && outputExists(path, output)) {
    measured.existingOutput = output;
  } else if (path.size() >= static_cast<std::size_t>(kJobPathCapacity)) {
    measured.reason = "the path is longer than 259 characters";
  } else if (PlatformPathPresence(path.c_str()) == PathPresence::Absent) {
    measured.reason = "no such file";
  } else {
    int probed = kProbeNoDuration;
    measured.job.reset(probe_.measure(path.c_str(), probed, [this] { return NotInterrupted() && !ahead_.stopping(); }));
    if (measured.job == nullptr) {
      measured.reason = ProbeFailureText(probed);
    } else if (!ApplyJobOptions(options_, *measured.job)) {
      measured.job.reset();
      measured.reason = "--begin lies past its end";
    }
  }
  return measured;
}

}  // namespace orva
