// The report lines of a run: when each job started, how it ended, which
// files were skipped, written to the --report file as they happen.
#pragma once

#include <chrono>
#include <map>
#include <string>

#include "app/job_item.h"
#include "cli/run_report.h"

namespace orva {

class JobRecords {
 public:
  // `file` may be nullptr: then nothing is recorded.
  explicit JobRecords(ReportFile* file);

  void started(const JobItem& job);
  // `status` is the driver's result text (Success!, Failed!, FATAL!).
  void ended(const JobItem& job, const std::string& status);
  // A file that could not become a job (no such file, no media): failed.
  void notConverted(const std::string& source, const std::string& reason);
  // A file left because its output exists (--skip-existing): skipped.
  void outputExists(const std::string& source, const std::string& output);

  // A line could not be written whole: the report is not to be trusted.
  bool writeFailed() const { return writeFailed_; }

 private:
  void write(const ReportEntry& entry);

  ReportFile* file_;
  std::string host_;
  std::map<const JobItem*, std::chrono::steady_clock::time_point> starts_;
  bool writeFailed_ = false;
};

}  // namespace orva
