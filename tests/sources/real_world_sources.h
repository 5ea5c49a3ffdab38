// Source files shaped like the ones users bring: phone and camera clips,
// editing masters, screen recordings, films with several tracks, songs with
// cover art. Made once per build by ffmpeg and shared by the test processes.
#pragma once

#include <string>
#include <vector>

namespace orva::test {

struct RealWorldSource {
  std::string file;       // name in the sources folder
  double pictureSeconds;  // 0: no moving picture
  double audioSeconds;    // 0: no audio
};

// Every source, made on first use. Empty when ffmpeg could not make one.
const std::vector<RealWorldSource>& RealWorldSources();

std::string RealWorldSourcePath(const RealWorldSource& source);

}  // namespace orva::test
