#include "tools/encoder/h264_profile.h"

#include <iterator>

namespace orva::encoder {

namespace {

struct Level {
  int idc;
  long macroblocksPerSecond;
  long macroblocksPerFrame;
  long kbitPerSecond;  // Baseline and Main; High may use 5/4 of it
  long bufferKbit;
};

// The limits of the H.264 levels a converter output can need.
constexpr Level kLevels[] = {
    {30, 40500, 1620, 10000, 10000},    {31, 108000, 3600, 14000, 14000},
    {32, 216000, 5120, 20000, 20000},   {40, 245760, 8192, 20000, 25000},
    {41, 245760, 8192, 50000, 62500},   {42, 522240, 8704, 50000, 62500},
    {50, 589824, 22080, 135000, 135000}, {51, 983040, 36864, 240000, 240000},
};

struct SizeClass {
  const char* profile;
  const char* shownName;
  int level;
  long highFactorPercent;
};

constexpr SizeClass kStandardDefinition{"baseline", "Constrained Baseline", 30, 100};
constexpr SizeClass kHd720{"main", "Main", 31, 100};
constexpr SizeClass kLarger{"high", "High", 41, 125};

const SizeClass& ClassOf(int width, int height) {
  if (width <= 854 && height <= 480) return kStandardDefinition;
  if (width <= 1280 && height <= 720) return kHd720;
  return kLarger;
}

long Macroblocks(int pixels) { return (pixels + 15) / 16; }

}  // namespace

H264Profile ChooseH264Profile(int width, int height, double framesPerSecond) {
  const SizeClass& sizeClass = ClassOf(width, height);
  const double rate = framesPerSecond > 0 ? framesPerSecond : 30.0;
  const long perFrame = Macroblocks(width) * Macroblocks(height);
  const Level* chosen = std::prev(std::end(kLevels));
  for (const Level& level : kLevels) {
    if (level.idc < sizeClass.level) continue;
    if (perFrame <= level.macroblocksPerFrame && perFrame * rate <= level.macroblocksPerSecond) {
      chosen = &level;
      break;
    }
  }
  H264Profile result;
  result.profile = sizeClass.profile;
  result.shownName = sizeClass.shownName;
  result.level = chosen->idc;
  result.maxBitRate = chosen->kbitPerSecond * 10 * sizeClass.highFactorPercent;
  result.bufferBits = chosen->bufferKbit * 10 * sizeClass.highFactorPercent;
  return result;
}

}  // namespace orva::encoder
