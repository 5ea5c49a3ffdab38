#include "media_clip.h"

#include <cstdio>
#include <cstdlib>

#include "engine/number_text.h"

namespace orva::test {

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

bool RunFfmpeg(const std::string& arguments) {
  const std::string command = std::string("\"") + ORVA_FFMPEG + "\" -v error -y " + arguments;
  return std::system(command.c_str()) == 0;
}

bool MakeClip(const std::string& path, double seconds) {
  const std::string length = FixedText(seconds, 6);
  return RunFfmpeg("-f lavfi -i testsrc=size=320x240:rate=25:duration=" + length +
                   " -f lavfi -i sine=frequency=440:sample_rate=44100:duration=" + length +
                   " -ac 2 -c:v mpeg4 -q:v 3 -c:a aac -shortest " + ShellQuoted(path));
}

double MediaDuration(const std::string& path) {
  const std::string command = std::string("\"") + ORVA_FFPROBE +
                              "\" -v error -show_entries format=duration -of csv=p=0 " + ShellQuoted(path);
  FILE* probe = popen(command.c_str(), "r");
  if (probe == nullptr) return 0;
  char line[64] = "";
  const bool read = std::fgets(line, sizeof line, probe) != nullptr;
  pclose(probe);
  return read ? ReadDecimal(line) : 0;
}

}  // namespace orva::test
