// ffmpeg's console output as the encoder program passes it on: stats lines
// rewritten with plain seconds, messages kept for the failure reason.
#include <cstdint>
#include <string>

#include "fuzz/fuzz_input.h"
#include "tools/encoder/progress_filter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orva;
  encoder::ProgressFilter filter;
  ToolRunner runner;  // only its read buffer: ffmpeg's output arrives as pipe reads
  fuzz::FeedAsReads(data, size, runner, [&](ToolRunner& r) { (void)filter.feed(r.readBuffer); });
  (void)filter.flush();
  (void)encoder::RewriteClockTimes(std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
