// Answers each NUL-ended path on its input as the batch probe does: the
// report of a 5-second file, ended by a NUL byte; for a path ending in
// "long", one far longer than a pipe's read. A path ending in "crash"
// ends it half-way through its answer; one ending in "hang" is never
// answered. Each start adds a line to the file named by ORVA_TEST_START_LOG.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

int main() {
  if (const char* log = std::getenv("ORVA_TEST_START_LOG")) {
    if (std::FILE* file = std::fopen(log, "a")) {
      std::fputs("started\n", file);
      std::fclose(file);
    }
  }
  std::string path;
  for (int c = std::getchar(); c != EOF; c = std::getchar()) {
    if (c != '\0') {
      path += static_cast<char>(c);
      continue;
    }
    std::printf("[STREAM]\nindex=0\ncodec_type=audio\n");
    if (EndsWith(path, "long")) std::printf("TAG:comment=%s\n", std::string(100000, 'x').c_str());
    std::printf("[/STREAM]\n");
    std::fflush(stdout);
    if (EndsWith(path, "crash")) std::abort();
    if (EndsWith(path, "hang")) pause();
    std::printf("[FORMAT]\nfilename=%s\nduration=5.000000\n[/FORMAT]\n", path.c_str());
    std::fputc('\0', stdout);
    std::fflush(stdout);
    path.clear();
  }
  return 0;
}
