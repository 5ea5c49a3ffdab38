// For the start-up benchmark: with ORVA_REPORT_FIRST_PAINT set, the first
// paint of the main window prints the monotonic clock to standard error, and
// with the value "quit" the program then ends.
#pragma once

namespace orva {

void ReportFirstPaintOnce();

}  // namespace orva
