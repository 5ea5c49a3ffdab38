// The display of orva-convert while several jobs convert at once: on a
// terminal one live line per running job and one for the whole batch, drawn
// in place; result lines in the order of the command line, whatever order
// the jobs end in; the not-writable question.
#pragma once

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "app/job_item.h"

namespace orva {

class BatchTerminal {
 public:
  // `liveLines`: draw the progress lines in place (only on a terminal).
  BatchTerminal(const JobList& jobs, std::FILE* out, bool liveLines);

  // A job's result. Printed at once when every job listed before it has
  // printed its own, else held back until they have.
  void addResult(int row, const std::string& result);
  // Prints the results still held back, in order: the jobs before them
  // never ran (the run was stopped or ended at a refused folder).
  void flushResults();

  // Replaces the live lines with these.
  void showProgress(const std::vector<std::string>& lines);
  // Asks the not-writable question on the terminal, below the live lines.
  bool askIgnoreNotWritable(const std::string& folder);

  bool hasResult(int row) const { return results_.count(row) != 0; }
  int resultCount() const { return static_cast<int>(results_.size()); }
  int successCount() const { return successes_; }

 private:
  void clearLines();
  void printReadyResults();

  const JobList& jobs_;
  std::FILE* out_;
  bool liveLines_;
  int linesShown_ = 0;
  std::map<int, std::string> results_;  // the printed lines of every row with a result
  int nextRow_ = 0;                     // the first row whose result is not printed yet
  int successes_ = 0;
};

}  // namespace orva
