// What the fake encoders take from their surroundings: the output path (the
// last argument of the converter's command line) and a script of numbers in
// the environment variable ORVA_FAKE_ENCODER, so that one test can steer the
// encoder that the converter starts.
#pragma once

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace fake {

inline std::vector<std::string> Script(const char* variable = "ORVA_FAKE_ENCODER") {
  const char* text = std::getenv(variable);
  std::istringstream in(text != nullptr ? text : "");
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

// The script of ORVA_FAKE_ENCODER_<source file name, every character but
// letters and digits made "_"> when that is set, so that jobs converting
// side by side can behave differently; else the common one.
inline std::vector<std::string> ScriptForSource(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::string(argv[i]) != "-i") continue;
    std::string name = argv[i + 1];
    name = name.substr(name.find_last_of('/') + 1);
    for (char& c : name) {
      if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    const std::string variable = "ORVA_FAKE_ENCODER_" + name;
    if (std::getenv(variable.c_str()) != nullptr) return Script(variable.c_str());
  }
  return Script();
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
