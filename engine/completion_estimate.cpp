#include "engine/completion_estimate.h"

namespace orva {

void UpdateCompletionEstimate(CompletionEstimate& estimate, double fraction,
                              std::int64_t nowSeconds) {
  estimate.fraction = fraction;
  if (!(fraction > 0)) return;
  if (!estimate.started) {
    estimate.started = true;
    estimate.startSeconds = nowSeconds;
  }
  const double elapsed = static_cast<double>(nowSeconds - estimate.startSeconds);
  const double total = elapsed / fraction;
  estimate.completionSeconds = static_cast<double>(estimate.startSeconds) + total;
  estimate.remainingSeconds = total - elapsed;
  estimate.valid = true;
}

void ResetCompletionEstimate(CompletionEstimate& estimate) { estimate = CompletionEstimate{}; }

}  // namespace orva
