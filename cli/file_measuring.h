// The files named on the command line, measured into jobs in list order on
// a thread of their own from the start, so that the first job can convert
// while the others are still measured and taking a measured job never waits
// for the probe. One probe program measures them all.
#pragma once

#include <string>
#include <vector>

#include "app/job_item.h"
#include "cli/cli_options.h"
#include "cli/job_records.h"
#include "cli/measuring_ahead.h"
#include "engine/probe_session.h"

namespace orva {

// `path` made absolute against the working folder; unchanged when that fails.
std::string Absolute(const std::string& path);

class FileMeasuring {
 public:
  // Skipped files are recorded in `records`. Measuring begins at once.
  FileMeasuring(const CliOptions& options, JobList& jobs, const std::string& probePath, JobRecords& records);

  bool pending() const { return next_ < files_.size(); }
  // Takes the next file as a job with the command line's range and folder,
  // or skips it with a message naming the reason, once it is measured;
  // waits for that only briefly, and returns true with the file still
  // pending when it is not measured yet. With --skip-existing a file whose
  // output exists is left unmeasured. After Ctrl+C the files left are
  // skipped unmeasured. False when no file was left.
  bool measureNext();
  // Measures until a job was added; that job, or nullptr when none was.
  JobItem* measureUntilAJob();
  void measureAll();

  // Files that could not become jobs; files left because their output
  // exists are not among them.
  int skipped() const { return skipped_; }

 private:
  // Runs on the measuring thread.
  MeasuredFile measure(const std::string& path);
  void report(const std::string& file, MeasuredFile& measured);
  // With --skip-existing: the output the profile names for `path` exists
  // (its path in `output`).
  bool outputExists(const std::string& path, std::string& output) const;

  const CliOptions& options_;
  JobList& jobs_;
  JobRecords& records_;
  ProbeSession probe_;  // used by the measuring thread only
  std::vector<std::string> files_;
  std::size_t next_ = 0;
  int skipped_ = 0;
  MeasuringAhead ahead_;  // last: its thread uses the members above
};

}  // namespace orva
