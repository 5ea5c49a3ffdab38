#include "cli/batch_conversion.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "cli/interrupt.h"
#include "cli/paced_run.h"
#include "cli/terminal_view.h"
#include "engine/conversion_driver.h"
#include "engine/encoder_command.h"
#include "engine/media_probe.h"

namespace orva {

namespace {

std::string Absolute(const std::string& path) {
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(path, error);
  return error ? path : full.string();
}

void Skip(const std::string& file, const char* reason) {
  std::fprintf(stderr, "orva-convert: %s: %s, skipped\n", file.c_str(), reason);
}

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

// Probes every file into `jobs`; returns the number of files skipped.
int MakeJobs(const CliOptions& options, JobList& jobs) {
  int skipped = 0;
  for (const std::string& file : options.files) {
    if (InterruptCount() > 0) {
      Skip(file, "interrupted");
      ++skipped;
      continue;
    }
    const std::string path = Absolute(file);
    const int probed = path.size() < static_cast<std::size_t>(kJobPathCapacity)
                           ? ProbeAndAddFile(path.c_str(), jobs)
                           : 1;
    if (probed != 0) {
      Skip(file, probed < 0 ? "the probe program cannot be started" : "cannot be measured");
      ++skipped;
      continue;
    }
    if (!ApplyJobOptions(options, *jobs.last())) {
      Skip(file, "--begin lies past its end");
      jobs.removeAt(jobs.count() - 1);
      ++skipped;
    }
  }
  jobs.renumber();
  return skipped;
}

int PrintCommands(JobList& jobs, const std::string& encoderPath) {
  int status = kExitSuccess;
  for (JobItem* job = jobs.head; job != nullptr; job = job->next) {
    char commandLine[kCommandCapacity];
    if (BuildEncoderCommand(encoderPath.c_str(), *job, commandLine) != 0) {
      std::fprintf(stderr, "orva-convert: %s: no safe encoder command for this file\n", job->path);
      status = kExitJobsFailed;
      continue;
    }
    std::printf("%s\n", commandLine);
  }
  return status;
}

int Convert(JobList& jobs, const std::string& encoderPath) {
  TerminalView view(jobs, stdout, isatty(STDOUT_FILENO) != 0);
  ConversionDriver driver(view, encoderPath);
  const int started = driver.convert(jobs.head);
  if (started == kRunDeclined) std::fputs("orva-convert: run ended: folder not writable\n", stderr);
  if (started == kJobStarted && !RunPaced(driver, view)) {
    std::fputs("\norva-convert: left; the encoder finishes its file on its own\n", stderr);
    return kExitJobsFailed;
  }
  if (InterruptCount() > 0) std::fputs("orva-convert: stopped\n", stderr);
  return view.successCount() == jobs.count() ? kExitSuccess : kExitJobsFailed;
}

}  // namespace

int ConvertFiles(const CliOptions& options, const std::string& programFolder) {
  CliOptions absolute = options;
  if (!absolute.outputDir.empty()) absolute.outputDir = Absolute(absolute.outputDir);
  if (absolute.outputDir.size() >= static_cast<std::size_t>(kJobPathCapacity)) {
    std::fputs("orva-convert: --output-dir is longer than 259 characters\n", stderr);
    return kExitUsage;
  }
  std::snprintf(ProbeRunner().programPath, kPathCapacity, "%s/pb.dat", programFolder.c_str());
  const std::string encoderPath = programFolder + "/cv.dat";

  JobList jobs;
  const int skipped = MakeJobs(absolute, jobs);
  const int status = absolute.dryRun ? PrintCommands(jobs, encoderPath) : Convert(jobs, encoderPath);
  jobs.freeAll();
  return skipped == 0 ? status : kExitJobsFailed;
}

}  // namespace orva
