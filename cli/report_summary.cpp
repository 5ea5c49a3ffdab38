#include "cli/report_summary.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "cli/cli_options.h"
#include "cli/report_reading.h"

namespace orva {

void ReportTotals::add(const std::string& line) {
  if (line.empty()) return;
  ReportEntry entry;
  if (!ParseReportLine(line, entry)) {
    ++unreadableLines;
    return;
  }
  if (entry.result == kResultSucceeded) {
    ++succeeded;
    seconds += entry.seconds;
    bytes += entry.bytes;
  } else if (entry.result == kResultSkipped) {
    ++skipped;
  } else {
    // "failed", and any result this version does not know, count against the run.
    ++failed;
    seconds += entry.seconds;
    failures.push_back(std::move(entry));
  }
}

namespace {

void PrintTotals(const ReportTotals& totals, std::FILE* out) {
  std::fprintf(out, "%d files: %d succeeded, %d failed, %d skipped\n",
               totals.succeeded + totals.failed + totals.skipped, totals.succeeded, totals.failed, totals.skipped);
  std::fprintf(out, "converting took %.2f s, the outputs hold %ju bytes\n", totals.seconds, totals.bytes);
  for (const ReportEntry& failure : totals.failures) {
    std::fprintf(out, "failed    %s (%s)\n", failure.source.c_str(), failure.host.c_str());
    if (!failure.reason.empty()) std::fprintf(out, "          %s\n", failure.reason.c_str());
  }
}

}  // namespace

int SummarizeReports(const std::vector<std::string>& paths, std::FILE* out, std::FILE* err) {
  ReportTotals totals;
  for (const std::string& path : paths) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
      std::fprintf(err, "orva-convert: %s: %s\n", path.c_str(), std::strerror(errno));
      ++totals.unreadableReports;
      continue;
    }
    const int before = totals.unreadableLines;
    for (std::string line; std::getline(in, line);) totals.add(line);
    if (totals.unreadableLines > before) {
      std::fprintf(err, "orva-convert: %s: %d lines are no report lines\n", path.c_str(),
                   totals.unreadableLines - before);
    }
  }
  PrintTotals(totals, out);
  return totals.allWell() ? kExitSuccess : kExitJobsFailed;
}

}  // namespace orva
