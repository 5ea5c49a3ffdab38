// The line splitter every child's output passes through: whatever the
// chunks, it hands out only non-empty lines without breaks and keeps the
// newest of them.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "engine/line_splitter.h"
#include "fuzz/fuzz_input.h"

namespace {

bool HoldsBreak(const char* line, std::size_t length) {
  return std::memchr(line, '\n', length) != nullptr || std::memchr(line, '\r', length) != nullptr;
}

void CheckLine(const char* line, std::size_t length, void*) {
  if (length == 0 || HoldsBreak(line, length)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orva;
  LineSplitter splitter;
  ToolRunner runner;
  fuzz::FeedAsReads(data, size, runner, [&](ToolRunner& r) {
    LineSplitterAppend(splitter, r.readBuffer, CheckLine, nullptr);
    if (splitter.lastLine != nullptr && HoldsBreak(splitter.lastLine, std::strlen(splitter.lastLine))) {
      std::abort();
    }
  });
  LineSplitterRelease(splitter);
  return 0;
}
