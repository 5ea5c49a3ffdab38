// Keeps the newest complete line of a child's output. Any run of CR and LF
// ends a line, so empty lines never show up.
#pragma once

#include <cstdint>

namespace orva {

struct LineSplitter {
  std::int32_t capacity = 0;  // bytes of each buffer
  char* lastLine = nullptr;   // newest complete line, without its break
  char* pending = nullptr;    // text after the last break
};

void LineSplitterAppend(LineSplitter& splitter, const char* chunk);
void LineSplitterRelease(LineSplitter& splitter);

}  // namespace orva
