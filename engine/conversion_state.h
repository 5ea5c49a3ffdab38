// Per-run state of the encoder: the line assembly of its output, the job it
// converts and the seconds it reports as written.
#pragma once

#include "app/job_item.h"
#include "engine/line_splitter.h"

namespace orva {

struct ConversionState {
  LineSplitter splitter;  // kept first, as the encoder's output digest expects
  JobItem* currentJob = nullptr;
  double encodedSeconds = 0;
};

}  // namespace orva
