// What the fake encoders take from their surroundings: the output path (the
// last argument of the converter's command line) and a script of numbers in
// the environment variable ORVA_FAKE_ENCODER, so that one test can steer the
// encoder that the converter starts.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace fake {

inline std::vector<std::string> Script() {
  const char* text = std::getenv("ORVA_FAKE_ENCODER");
  std::istringstream in(text != nullptr ? text : "");
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

inline double Number(const std::vector<std::string>& script, std::size_t at, double otherwise) {
  return at < script.size() ? std::strtod(script[at].c_str(), nullptr) : otherwise;
}

// A stand-in output file, so that output naming sees it on the next job.
inline void WriteOutput(int argc, char** argv) {
  if (argc < 2) return;
  if (std::FILE* out = std::fopen(argv[argc - 1], "wb")) {
    std::fputs("fake output\n", out);
    std::fclose(out);
  }
}

// One progress report the way the real encoder ends it: with a lone CR.
inline void Report(double seconds) {
  std::printf("frame=   12 fps=0.0 q=2.0 size=      16kB time=%.2f bitrate= 256.0kbits/s\r",
              seconds);
  std::fflush(stdout);
}

}  // namespace fake
