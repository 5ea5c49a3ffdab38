// Several jobs of one batch converting at once, each in a lane of its own
// with its own encoder, driver and progress. The lanes take the measured
// jobs in list order from one queue and share the output names in use.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/job_item.h"
#include "cli/batch_terminal.h"
#include "cli/file_measuring.h"
#include "cli/job_records.h"
#include "engine/conversion_driver.h"
#include "engine/conversion_view.h"
#include "engine/output_naming.h"

namespace orva {

// The measured jobs not handed to a lane yet, in list order.
class JobQueue {
 public:
  explicit JobQueue(const JobList& jobs) : jobs_(jobs) {}

  // The next job, or nullptr when none is measured yet or the queue is closed.
  JobItem* take();
  // No job is handed out any more (Ctrl+C, a refused folder).
  void close() { closed_ = true; }
  bool closed() const { return closed_; }

 private:
  const JobList& jobs_;
  int next_ = 0;
  bool closed_ = false;
};

// One lane: a driver and the view it reports to.
class JobLane : public ConversionView {
 public:
  // Each job's start and result go into `records`.
  JobLane(BatchTerminal& terminal, const JobList& jobs, JobQueue& queue, ReservedPaths& outputs,
          const std::string& encoderPath, JobRecords& records);

  ConversionDriver& driver() { return driver_; }
  const ConversionDriver& driver() const { return driver_; }
  bool running() const { return timersRunning_; }
  bool everStarted() const { return everStarted_; }
  // The running job's summary, clocks and output name, for its live line.
  std::string progressLine() const;

  int rowCount() const override { return jobs_.count(); }
  void setRowStatus(int row, const std::string& text) override;
  void setFileName(const std::string& text) override { fileName_ = text; }
  void setExtensionChange(const std::string&) override {}
  void setElapsed(const std::string& text) override { elapsed_ = text; }
  void setRemaining(const std::string& text) override { remaining_ = text; }
  void setSummary(const std::string& text) override { summary_ = text; }
  void setProgressPosition(int) override {}
  void setConverting(bool) override {}
  bool askIgnoreNotWritable(const std::string& folder) override;
  void startTimers() override;
  void stopTimers() override { timersRunning_ = false; }
  void stopPreview() override {}

 private:
  BatchTerminal& terminal_;
  const JobList& jobs_;
  JobQueue& queue_;
  JobRecords& records_;
  ConversionDriver driver_;
  std::string fileName_, summary_, elapsed_, remaining_;
  bool timersRunning_ = false;
  bool everStarted_ = false;
};

using JobLanes = std::vector<std::unique_ptr<JobLane>>;

// Converts the batch in the lanes until every job measured has ended,
// measuring the files left in the time between the timers. A lane that
// becomes free takes the next job at once. The first Ctrl+C stops every
// running job like the Stop button and starts no other; a second one (or
// being told to end) returns false at once, after every encoder was asked to
// finish its file.
bool RunLanes(JobLanes& lanes, JobQueue& queue, FileMeasuring& files, BatchTerminal& terminal,
              const JobList& jobs);

}  // namespace orva
