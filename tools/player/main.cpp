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

orva::player::OutputMode ChosenOutput(const orva::player::PlayerOptions& options) {
  using orva::player::PictureWay;
  const char* headless = std::getenv(kHeadlessVariable);
  const bool silent = headless != nullptr && std::string(headless) == "1";
  // Pictures in memory need no display, so they are drawn in silent runs too.
  if (options.framesFd >= 0) return {PictureWay::Frames, !silent};
  if (silent) return {PictureWay::None, false};
  // Told to show its own window where no X display exists: sound and
  // positions go on without a picture.
  if (options.windowId == 0 && !orva::player::DisplayReachable()) return {PictureWay::None, true};
  return {PictureWay::Screen, true};
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
  const OutputMode output = ChosenOutput(options);
  if (output.picture == PictureWay::Screen && options.windowId != 0 &&
      !HostWindowExists(options.windowId)) {
    std::fprintf(stderr, "py.dat: -windowid %lld names no window\n",
                 static_cast<long long>(options.windowId));
    return kOptionsError;
  }
  return RunPlayer(options, output);
}
