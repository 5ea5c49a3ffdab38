#include "cli/terminal_view.h"

#include "cli/terminal_question.h"
#include "engine/conversion_texts.h"
#include "engine/output_naming.h"

namespace orva {

namespace {

std::string ShownOutputPath(const JobItem& job) {
  // A job whose command could not be built has no output name.
  if (job.out_name[0] == '\0') return job.path;
  return OutputPathOf(job);
}

}  // namespace

std::string ResultLines(const JobItem& job, const std::string& result) {
  char head[16];
  std::snprintf(head, sizeof head, "%-9s ", result.c_str());
  std::string lines = head + ShownOutputPath(job) + "\n";
  // The reason goes on a line of its own, under the path.
  if (result != kStatusSuccess && job.fail_reason[0] != '\0') {
    lines += std::string(10, ' ') + job.fail_reason + "\n";
  }
  // What the output could not carry is a note under the success, never a failure.
  if (result == kStatusSuccess && job.not_kept[0] != '\0') {
    lines += std::string(10, ' ') + job.not_kept + "\n";
  }
  return lines;
}

TerminalView::TerminalView(const JobList& jobs, std::FILE* out, bool liveLine)
    : jobs_(jobs), out_(out), liveLine_(liveLine) {}

void TerminalView::setRowStatus(int row, const std::string& text) {
  finishing_ = text == kStatusFinishing;
  if (!IsResultText(text)) return;  // the percentage shows in the progress line
  const JobItem* job = jobs_.at(row);
  if (job == nullptr) return;
  if (text == kStatusSuccess) ++successes_;
  resultRows_.insert(row);
  if (records_ != nullptr) records_->ended(*job, text);
  clearProgressLine();
  std::fputs(ResultLines(*job, text).c_str(), out_);
  std::fflush(out_);
}

void TerminalView::setConverting(bool converting) {
  if (!converting) clearProgressLine();
}

bool TerminalView::askIgnoreNotWritable(const std::string& folder) {
  clearProgressLine();
  return AskIgnoreNotWritableOnTerminal(folder);
}

void TerminalView::startTimers() {
  if (records_ != nullptr && running_->currentJob != nullptr) records_->started(*running_->currentJob);
  timersRunning_ = true;
  ++timerGeneration_;
  summary_.clear();
  elapsed_.clear();
  remaining_.clear();
}

void TerminalView::showProgress() {
  if (!liveLine_ || summary_.empty()) return;
  // While the encoder finishes its file the percentage stands still; the
  // line says why.
  std::fprintf(out_, "\r%s%s%s  elapsed %s  remaining %s\033[K", summary_.c_str(),
               finishing_ ? "  " : "", finishing_ ? kStatusFinishing : "", elapsed_.c_str(),
               remaining_.empty() ? "--:--:--" : remaining_.c_str());
  std::fflush(out_);
  lineShown_ = true;
}

void TerminalView::clearProgressLine() {
  if (!lineShown_) return;
  std::fputs("\r\033[K", out_);
  lineShown_ = false;
}

}  // namespace orva
