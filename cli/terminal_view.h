// The conversion display of orva-convert: a live progress line on a
// terminal, one result line per job (with the reason under a failure), the
// not-writable question on the terminal.
#pragma once

#include <cstdio>
#include <set>
#include <string>

#include "app/job_item.h"
#include "cli/job_records.h"
#include "engine/conversion_state.h"
#include "engine/conversion_view.h"

namespace orva {

// A job's result line: the result and the output path (the source's path
// when no output was named), and the reason on a line of its own under a
// result that is no success; under a success, what was not kept.
std::string ResultLines(const JobItem& job, const std::string& result);

class TerminalView : public ConversionView {
 public:
  // `liveLine`: redraw a progress line in place (only on a terminal).
  TerminalView(const JobList& jobs, std::FILE* out, bool liveLine);

  int rowCount() const override { return jobs_.count(); }
  void setRowStatus(int row, const std::string& text) override;
  void setFileName(const std::string&) override {}
  void setExtensionChange(const std::string&) override {}
  void setElapsed(const std::string& text) override { elapsed_ = text; }
  void setRemaining(const std::string& text) override { remaining_ = text; }
  void setSummary(const std::string& text) override { summary_ = text; }
  void setProgressPosition(int) override {}
  void setConverting(bool converting) override;
  bool askIgnoreNotWritable(const std::string& folder) override;
  void startTimers() override;
  void stopTimers() override { timersRunning_ = false; }
  // No preview player runs beside the command line.
  void stopPreview() override {}

  // Each job's start and result go into `records`; `running` is the state
  // of the driver this view shows.
  void recordJobs(JobRecords& records, const ConversionState& running) {
    records_ = &records;
    running_ = &running;
  }

  // Redraws the progress line from the texts the driver gave last.
  void showProgress();

  bool timersRunning() const { return timersRunning_; }
  // Changes every time the timers are (re)started.
  int timerGeneration() const { return timerGeneration_; }
  int successCount() const { return successes_; }
  bool hasResult(int row) const { return resultRows_.count(row) != 0; }

 private:
  void clearProgressLine();

  const JobList& jobs_;
  std::FILE* out_;
  bool liveLine_;
  bool lineShown_ = false;
  std::string summary_, elapsed_, remaining_;
  bool finishing_ = false;  // the running job's encoder is finishing its file
  bool timersRunning_ = false;
  int timerGeneration_ = 0;
  int successes_ = 0;
  std::set<int> resultRows_;
  JobRecords* records_ = nullptr;
  const ConversionState* running_ = nullptr;
};

}  // namespace orva
