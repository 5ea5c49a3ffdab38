#include "tools/player/volume_curve.h"

#include <algorithm>
#include <cmath>

#include "tools/player/player_options.h"

namespace orva::player {

double LibraryVolumeFor(int volume) {
  const int limited = std::clamp(volume, 0, kMaxVolume);
  return 100.0 * std::cbrt(static_cast<double>(limited) / kMaxVolume);
}

}  // namespace orva::player
