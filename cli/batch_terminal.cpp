#include "cli/batch_terminal.h"

#include <algorithm>

#include "cli/terminal_question.h"
#include "cli/terminal_view.h"
#include "engine/conversion_texts.h"

namespace orva {

BatchTerminal::BatchTerminal(const JobList& jobs, std::FILE* out, bool liveLines)
    : jobs_(jobs), out_(out), liveLines_(liveLines) {}

void BatchTerminal::addResult(int row, const std::string& result) {
  const JobItem* job = jobs_.at(row);
  if (job == nullptr || hasResult(row)) return;
  if (result == kStatusSuccess) ++successes_;
  // Taken now: the reason belongs to this end of the job.
  results_[row] = ResultLines(*job, result);
  printReadyResults();
}

void BatchTerminal::printReadyResults() {
  bool printed = false;
  for (auto found = results_.find(nextRow_); found != results_.end(); found = results_.find(++nextRow_)) {
    if (!printed) clearLines();
    printed = true;
    std::fputs(found->second.c_str(), out_);
  }
  if (printed) std::fflush(out_);
}

void BatchTerminal::flushResults() {
  clearLines();
  for (auto found = results_.lower_bound(nextRow_); found != results_.end(); ++found) {
    std::fputs(found->second.c_str(), out_);
  }
  nextRow_ = results_.empty() ? nextRow_ : std::max(nextRow_, results_.rbegin()->first + 1);
  std::fflush(out_);
}

void BatchTerminal::showProgress(const std::vector<std::string>& lines) {
  if (!liveLines_) return;
  clearLines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::fprintf(out_, "%s%s\033[K", i == 0 ? "" : "\n", lines[i].c_str());
  }
  linesShown_ = static_cast<int>(lines.size());
  std::fflush(out_);
}

bool BatchTerminal::askIgnoreNotWritable(const std::string& folder) {
  clearLines();
  return AskIgnoreNotWritableOnTerminal(folder);
}

// The cursor stands at the end of the last live line.
void BatchTerminal::clearLines() {
  if (linesShown_ == 0) return;
  std::fputs("\r", out_);
  if (linesShown_ > 1) std::fprintf(out_, "\033[%dA", linesShown_ - 1);
  std::fputs("\033[J", out_);
  linesShown_ = 0;
}

}  // namespace orva
