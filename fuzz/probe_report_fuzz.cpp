// The probe's report, read chunk by chunk as it arrives, then turned into
// the numbers and texts of a job.
#include <cstdint>
#include <cstdio>

#include "app/job_item.h"
#include "engine/media_probe.h"
#include "engine/output_naming.h"
#include "fuzz/fuzz_input.h"
#include "profiles/catalogue.h"
#include "profiles/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orva;
  static const bool catalogueReady = (SetUpCatalogue(), true);
  (void)catalogueReady;

  ProbeRecord record{};
  ToolRunner runner;
  runner.context = &record;
  runner.descriptor = &kProbeDescriptor;
  std::snprintf(runner.programPath, sizeof runner.programPath, "pb.dat");
  std::snprintf(record.inputPath, sizeof record.inputPath, "/media/in.avi");
  if (kProbeDescriptor.buildCommand(runner) != 0) return 0;
  fuzz::FeedAsReads(data, size, runner, [](ToolRunner& r) { r.descriptor->onOutput(r); });
  kProbeDescriptor.onFinish(runner);

  JobItem job{};
  job.duration = record.duration;
  job.trim_end = record.duration;
  job.width = record.width;
  job.height = record.height;
  job.audio_streams = record.audioStreams;
  job.audio_duration = record.audioDuration;
  job.profile = currentProfile;
  FormatClock(job.duration, job.duration_text);
  EstimateOutputSize(job);
  return 0;
}
