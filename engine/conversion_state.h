// Per-run state of the encoder: the line assembly of its output, the job it
// converts, the seconds it reports as written and its last message.
#pragma once

#include "app/job_item.h"
#include "engine/line_splitter.h"

namespace orva {

struct ConversionState {
  LineSplitter splitter;  // kept first, as the encoder's output digest expects
  JobItem* currentJob = nullptr;
  double encodedSeconds = 0;
  // The encoder's newest line that was neither a report nor the name it
  // wrote: its error when it fails.
  char lastMessage[kReasonCapacity] = {};
  // The encoder has written everything and is finishing its file.
  bool finishing = false;
};

}  // namespace orva
