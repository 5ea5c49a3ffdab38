// orva-convert's side of jobs converting side by side: the view the lanes
// report to (the terminal and the report), and the loop that paces the
// lanes while the files left are measured.
#pragma once

#include <string>

#include "app/job_item.h"
#include "cli/batch_terminal.h"
#include "cli/file_measuring.h"
#include "cli/job_records.h"
#include "engine/conversion_lanes.h"
#include "engine/conversion_view.h"

namespace orva {

// Each job's result goes to the terminal, in list order, and into the
// report; the folder question is asked on the terminal. The live lines are
// drawn from the lanes themselves at every progress tick.
class LanesTerminal : public ConversionView {
 public:
  LanesTerminal(BatchTerminal& terminal, const JobList& jobs, JobRecords& records)
      : terminal_(terminal), jobs_(jobs), records_(records) {}

  int rowCount() const override { return jobs_.count(); }
  void setRowStatus(int row, const std::string& text) override;
  void setFileName(const std::string&) override {}
  void setExtensionChange(const std::string&) override {}
  void setElapsed(const std::string&) override {}
  void setRemaining(const std::string&) override {}
  void setSummary(const std::string&) override {}
  void setProgressPosition(int) override {}
  void setConverting(bool) override {}
  bool askIgnoreNotWritable(const std::string& folder) override { return terminal_.askIgnoreNotWritable(folder); }
  void startTimers() override {}
  void stopTimers() override {}
  void stopPreview() override {}

 private:
  BatchTerminal& terminal_;
  const JobList& jobs_;
  JobRecords& records_;
};

// Converts the batch in the lanes until every job measured has ended,
// measuring the files left in the time between the timers. A lane that
// becomes free takes the next job at once. The first Ctrl+C stops every
// running job like the Stop button and starts no other; a second one (or
// being told to end) returns false at once, after every encoder was asked to
// finish its file.
bool RunLanes(ConversionLanes& lanes, FileMeasuring& files, BatchTerminal& terminal, const JobList& jobs);

}  // namespace orva
