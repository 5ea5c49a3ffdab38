// The probe's report, read chunk by chunk as it arrives, then turned into
// the numbers and texts of a job.
#include <cstdint>
#include <cstdio>

#include "app/job_item.h"
#include "engine/media_probe.h"
#include "fuzz/fuzz_input.h"
#include "profiles/catalogue.h"

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

  JobList jobs;
  jobs.append(NewProbedJob(record.inputPath, record));
  jobs.freeAll();
  return 0;
}
