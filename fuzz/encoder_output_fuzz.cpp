// The encoder's output as the conversion driver reads it: progress reports,
// the name of the file it wrote, and its messages, then the job's verdict.
#include <cstdint>
#include <cstdio>

#include "engine/conversion_driver.h"
#include "engine/conversion_progress.h"
#include "engine/failure_reason.h"
#include "fuzz/fuzz_input.h"
#include "profiles/catalogue.h"
#include "profiles/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orva;
  static const bool catalogueReady = (SetUpCatalogue(), true);
  (void)catalogueReady;

  JobItem job{};
  job.profile = currentProfile;
  job.duration = 60;
  job.trim_end = 60;
  std::snprintf(job.dir, sizeof job.dir, "/media/");
  std::snprintf(job.name, sizeof job.name, "in");
  std::snprintf(job.out_dir, sizeof job.out_dir, "/out/");
  std::snprintf(job.out_name, sizeof job.out_name, "in");

  ConversionState state;
  state.currentJob = &job;
  ToolRunner runner;
  runner.context = &state;
  fuzz::FeedAsReads(data, size, runner, EncoderOnOutput);

  const double percent = JobPercent(job, state.encodedSeconds);
  const ExitStatus exited{true, true, 0, 0};
  const char* verdict = JudgeJob(percent, exited, false);
  ExplainEndedJob(job, verdict, percent, exited, false, state.lastMessage);
  (void)RemainingSeconds(static_cast<float>(percent), 1.0);
  (void)ProgressPosition(static_cast<float>(percent));
  EncoderOnFinish(runner);
  return 0;
}
