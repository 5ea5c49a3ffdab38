// Reading the lines of a run's report back.
#pragma once

#include <string>

#include "cli/run_report.h"

namespace orva {

// Reads one report line: a JSON object with at least "source" and "result"
// as strings. Fields it does not know are passed over. False for anything
// else (a line cut short, text that is no JSON object).
bool ParseReportLine(const std::string& line, ReportEntry& entry);

}  // namespace orva
