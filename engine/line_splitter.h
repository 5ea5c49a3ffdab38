// Keeps the newest complete line of a child's output. Any run of CR and LF
// ends a line, so empty lines never show up.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orva {

struct LineSplitter {
  std::int32_t capacity = 0;  // bytes of each buffer
  char* lastLine = nullptr;   // newest complete line, without its break
  char* pending = nullptr;    // text after the last break
};

// Called for every complete line in order, oldest first, with its length
// (the line is not NUL-terminated).
using LineVisitor = void (*)(const char* line, std::size_t length, void* context);

// Appends the chunk; `visit`, when given, sees every line the chunk
// completes, so an owner that needs more than the newest line loses none.
void LineSplitterAppend(LineSplitter& splitter, const char* chunk, LineVisitor visit = nullptr,
                        void* context = nullptr);
void LineSplitterRelease(LineSplitter& splitter);

}  // namespace orva
