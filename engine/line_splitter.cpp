#include "engine/line_splitter.h"

#include <cstdlib>
#include <cstring>

namespace orva {

namespace {

bool IsBreak(char c) { return c == '\r' || c == '\n'; }

char* NewEmptyBuffer(std::int32_t size) {
  char* buffer = static_cast<char*>(std::calloc(static_cast<std::size_t>(size), 1));
  if (buffer == nullptr) std::abort();
  return buffer;
}

void Grow(char*& buffer, std::int32_t size) {
  char* grown = static_cast<char*>(std::realloc(buffer, static_cast<std::size_t>(size)));
  if (grown == nullptr) std::abort();
  buffer = grown;
}

// Finds the complete lines in `pending`, keeps the newest one in `lastLine`
// and moves the unfinished rest to the front of `pending`.
void Split(LineSplitter& splitter, LineVisitor visit, void* context) {
  char* text = splitter.pending;
  char* start = text;
  while (IsBreak(*start)) ++start;
  if (*start == '\0') {
    text[0] = '\0';
    return;
  }
  const char* lastStart = nullptr;
  const char* lastEnd = nullptr;
  const char* lineStart = start;
  for (const char* at = start; *at != '\0'; ++at) {
    if (!IsBreak(*at)) continue;
    if (!IsBreak(at[-1])) {
      lastStart = lineStart;
      lastEnd = at;
      if (visit != nullptr) visit(lastStart, static_cast<std::size_t>(lastEnd - lastStart), context);
    }
    if (!IsBreak(at[1])) lineStart = at + 1;
  }
  if (lastEnd == nullptr) return;  // no line finished yet

  std::size_t length = static_cast<std::size_t>(lastEnd - lastStart);
  if (length >= static_cast<std::size_t>(splitter.capacity)) length = splitter.capacity - 1;
  std::memmove(splitter.lastLine, lastStart, length);
  splitter.lastLine[length] = '\0';
  // After a final break lineStart points at the NUL: the rest is empty.
  std::memmove(text, lineStart, std::strlen(lineStart) + 1);
}

}  // namespace

void LineSplitterAppend(LineSplitter& splitter, const char* chunk, LineVisitor visit,
                        void* context) {
  const auto n = static_cast<std::int32_t>(std::strlen(chunk));
  if (n == 0) return;
  if (splitter.lastLine == nullptr) {
    splitter.capacity = n + 1;
    splitter.lastLine = NewEmptyBuffer(splitter.capacity);
  }
  std::int32_t need;
  if (splitter.pending == nullptr) {
    splitter.capacity = n + 1;
    splitter.pending = NewEmptyBuffer(splitter.capacity);
    need = n + 1;
  } else {
    need = n + static_cast<std::int32_t>(std::strlen(splitter.pending)) + 1;
  }
  if (splitter.capacity < need) {
    splitter.capacity = need;
    Grow(splitter.lastLine, need);
    Grow(splitter.pending, need);
  }
  std::strcat(splitter.pending, chunk);
  Split(splitter, visit, context);
}

void LineSplitterRelease(LineSplitter& splitter) {
  std::free(splitter.lastLine);
  std::free(splitter.pending);
  splitter.lastLine = nullptr;
  splitter.pending = nullptr;
}

}  // namespace orva
