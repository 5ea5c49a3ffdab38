// A line of a run's report as --summarize reads it. Whatever reads as a
// report line is written again as one that reads back, and once written
// by the converter a line reads back to itself.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "cli/report_reading.h"
#include "cli/run_report.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orva;
  ReportEntry entry;
  if (!ParseReportLine(std::string(reinterpret_cast<const char*>(data), size), entry)) return 0;
  ReportEntry again;
  if (!ParseReportLine(ReportLine(entry), again)) std::abort();
  const std::string written = ReportLine(again);
  ReportEntry third;
  if (!ParseReportLine(written, third) || ReportLine(third) != written) std::abort();
  return 0;
}
