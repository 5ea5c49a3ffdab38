#include "tools/player/position_line.h"

#include <cmath>
#include <cstdio>

#include "engine/number_text.h"

namespace orva::player {

namespace {

constexpr double kLargestShown = 9999999;

int DecimalsFor(double seconds) {
  // Rounding may carry into another digit, so each bound is the largest
  // value that still rounds within seven characters.
  if (seconds < 9999.995) return 2;
  if (seconds < 99999.95) return 1;
  return 0;
}

}  // namespace

std::string FormatPositionLine(double seconds) {
  if (!std::isfinite(seconds) || seconds < 0) seconds = 0;
  if (seconds > kLargestShown) seconds = kLargestShown;
  // "ct:%7.*f\n", with a dot before the decimals in every locale.
  return "ct:" + orva::FixedText(seconds, DecimalsFor(seconds), 7) + "\n";
}

}  // namespace orva::player
