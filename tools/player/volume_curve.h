// The window's volume scale 0..256 is linear in gain; the playback library's
// volume is a percentage on a cubic curve, so the two are matched here.
#pragma once

namespace orva::player {

// The library volume (0..100 %) that gives the linear gain v / 256.
double LibraryVolumeFor(int volume);

}  // namespace orva::player
