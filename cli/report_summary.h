// orva-convert --summarize: the reports of many runs read together.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/run_report.h"

namespace orva {

struct ReportTotals {
  int succeeded = 0;
  int failed = 0;
  int skipped = 0;
  int unreadableLines = 0;  // cut short, or no report line at all
  int unreadableReports = 0;
  double seconds = 0;
  std::uintmax_t bytes = 0;
  std::vector<ReportEntry> failures;  // in the order read

  // Counts one line of a report.
  void add(const std::string& line);
  bool allWell() const { return failed == 0 && unreadableLines == 0 && unreadableReports == 0; }
};

// Reads every report and prints the totals, then each failed file with its
// reason and host. Returns the exit status: 0 when nothing failed and every
// line could be read, else 1.
int SummarizeReports(const std::vector<std::string>& paths, std::FILE* out, std::FILE* err);

}  // namespace orva
