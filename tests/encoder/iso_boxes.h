// The top-level boxes of an MP4-family file, read from the file itself the
// way a player streaming it over the network meets them.
#pragma once

#include <string>
#include <vector>

namespace orva::encoder::test {

// The four-letter types of the top-level boxes in file order; empty when
// the file cannot be read. A box whose size runs past the end ends the list.
std::vector<std::string> TopLevelBoxes(const std::string& path);

// True when the index ("moov") comes before the media data ("mdat").
bool IndexComesFirst(const std::vector<std::string>& boxes);

}  // namespace orva::encoder::test
