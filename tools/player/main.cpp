// py.dat: the converter's preview player, a front end over libmpv.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/player/host_window_check.h"
#include "tools/player/player_loop.h"
#include "tools/player/player_options.h"

namespace {

// Set to 1, the player shows and sounds nothing: for runs without a display
// or a sound device.
constexpr const char* kHeadlessVariable = "ORVA_PLAYER_HEADLESS";

orva::player::OutputMode ChosenOutput() {
  const char* headless = std::getenv(kHeadlessVariable);
  return headless != nullptr && std::string(headless) == "1" ? orva::player::OutputMode::Headless
                                                              : orva::player::OutputMode::Screen;
}

}  // namespace

int main(int argc, char** argv) {
  // No setlocale(LC_ALL, ""): the playback library needs the "C" number format.
  using namespace orva::player;
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  PlayerOptions options;
  std::string error;
  if (ParsePlayerOptions(arguments, options, error) != kOptionsOk) {
    std::fprintf(stderr, "py.dat: %s\n", error.c_str());
    return kOptionsError;
  }
  const OutputMode output = ChosenOutput();
  if (output == OutputMode::Screen && options.windowId != 0 && !HostWindowExists(options.windowId)) {
    std::fprintf(stderr, "py.dat: -windowid %lld names no window\n",
                 static_cast<long long>(options.windowId));
    return kOptionsError;
  }
  return RunPlayer(options, output);
}
