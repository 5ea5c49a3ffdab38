// The play position as the window reads it: "ct:" and seven characters of
// seconds, ten characters in all, then a line break.
#pragma once

#include <string>

namespace orva::player {

inline constexpr std::size_t kPositionLineLength = 10;  // without the line break

// The line for `seconds`, with as many decimals as fit; negative or unknown
// positions read as 0, and positions beyond what seven characters hold are
// written as the largest that fit.
std::string FormatPositionLine(double seconds);

}  // namespace orva::player
