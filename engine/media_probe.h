// Asking the probe program for a file's length and picture size, and turning
// a measured file into a job.
#pragma once

#include <cstdint>
#include <functional>

#include "app/job_item.h"
#include "engine/source_facts.h"
#include "engine/tool_runner.h"

namespace orva {

struct ProbeRecord {
  char inputPath[kPathCapacity];
  char* output;  // all the probe printed, NUL-terminated
  std::int32_t outputCapacity;
  std::int32_t outputLength;
  double duration;
  std::int32_t width;
  std::int32_t height;
  std::int32_t audioStreams;
  double audioDuration;  // result: the main audio stream's length; 0 when none is given
  SourceFacts sourceFacts;  // result: what the encoder program needs to know
};

extern const ToolDescriptor kProbeDescriptor;

// The process-wide probe runner; its programPath is set at start-up.
ToolRunner& ProbeRunner();

// Reads duration, width, height, the number of audio streams, the main
// audio's length and the source facts from a probe report. The main audio is
// the first audio stream marked default, else the first audio stream.
void ParseProbeReport(const char* report, ProbeRecord& record);

// The job of a measured file, with its clock text, trim range and estimate.
JobItem* NewProbedJob(const char* path, const ProbeRecord& record);

// Results of ProbeAndAddFile.
inline constexpr int kProbeAdded = 0;
inline constexpr int kProbeNoDuration = 1;  // or a path that cannot be passed safely
inline constexpr int kProbeNotStarted = -1;
inline constexpr int kProbeInterrupted = 2;

// Whether a file's path can be handed to the child programs: one that does
// not fit their path fields would be cut and make them open some other file.
inline constexpr int kPathPassable = 0;
inline constexpr int kPathTooLong = 1;
int CheckPassablePath(const char* path);

// Asked while the probe runs; false ends the probe at once.
using KeepWaiting = std::function<bool()>;

// Probes `path` and appends a job for it to `jobs`: kProbeAdded when a job
// was added, kProbeNoDuration when the file has no duration (or its path
// cannot be passed safely), kProbeNotStarted when the probe program could
// not be started, kProbeInterrupted when `keepWaiting` said no first (a
// probe can hang on a named pipe or a stalled network folder).
int ProbeAndAddFile(const char* path, JobList& jobs, const KeepWaiting& keepWaiting = {});
int ProbeAndAddFile(const char* path);  // into TheJobList()

// Probes `path` with a runner of its own, so several files can be measured
// at once on different threads. The new job (not in any list) or nullptr;
// `result` as ProbeAndAddFile's.
JobItem* MeasureFile(const char* path, const char* probeProgramPath, int& result,
                     const KeepWaiting& keepWaiting = {});

}  // namespace orva
