// The fixed texts and commands of the preview player and the trim range.
#pragma once

namespace orva {

// Commands on the player's standard input.
inline constexpr char kPlayerResumeFormat[] = "vol:p%d\n";  // with 0 it pauses
inline constexpr char kPlayerVolumeFormat[] = "vol:x%d\n";
inline constexpr char kPlayerSeekFormat[] = "to:%d\n";      // ten-thousandths of the file
inline constexpr char kPlayerRedraw[] = "f\n";

// The time label: position and duration, each "HH:MM:SS".
inline constexpr char kTimeLabelFormat[] = "%s / %s";
inline constexpr char kNoDuration[] = "00:00:00";
inline constexpr char kNoRangeBound[] = "00:00:00.00";

// Captions of the begin and end labels' questions; the questions themselves
// are in the string table.
inline constexpr char kBeginCaption[] = "Set Begin Time";
inline constexpr char kEndCaption[] = "Set End Time";

}  // namespace orva
