// When a conversion run will be done, extrapolated from the share written so
// far and the time since the first progress was seen. Times are calendar
// seconds, the unit of std::time.
#pragma once

#include <cstdint>

namespace orva {

struct CompletionEstimate {
  bool started = false;          // a start instant has been taken
  std::int64_t startSeconds = 0; // when the first share above 0 was seen
  bool valid = false;            // completion and remaining hold an estimate
  double completionSeconds = 0;  // start + estimated total time
  double remainingSeconds = 0;   // estimated total time - elapsed time
  double fraction = 0;           // share done, 0..1, as last given
};

// Takes the share done at `nowSeconds`. A share of 0 or less changes
// nothing, so the last estimate stays on show while a new job starts at 0.
void UpdateCompletionEstimate(CompletionEstimate& estimate, double fraction,
                              std::int64_t nowSeconds);

// Forgets the start instant and the estimate: the next share above 0 starts
// a new measurement.
void ResetCompletionEstimate(CompletionEstimate& estimate);

}  // namespace orva
