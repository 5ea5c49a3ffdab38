// The preview player's "ct:" position reports, read chunk by chunk, and the
// reported position taken as a trim bound and shown as a clock, as the
// begin and end clicks do.
#include <cstdint>

#include "app/job_item.h"
#include "fuzz/fuzz_input.h"
#include "player/player_launch.h"
#include "player/trim_range.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orva;
  PlayerLaunch launch;
  ToolRunner runner;
  runner.context = &launch;
  fuzz::FeedAsReads(data, size, runner, PlayerOnOutput);
  kPlayerDescriptor.onFinish(runner);

  JobItem job{};
  job.duration = 100;
  job.trim_end = 100;
  SetTrimRange(&job, false, launch.current_time, kKeepBound);
  SetTrimRange(&job, false, kKeepBound, launch.current_time);
  char clock[kClockCapacity];
  FormatClock(launch.current_time, clock);
  FormatClock(job.trim_begin, clock);
  FormatClock(job.trim_end, clock);
  return 0;
}
