// Per-run state of the encoder: the line assembly of its output, the job it
// converts, the seconds it reports as written and its last message.
#pragma once

#include "app/job_item.h"
#include "engine/line_splitter.h"
#include "engine/output_naming.h"

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
  // How the command is built, set by the driver for every job: outputs of
  // jobs converting beside this one count as taken, and the source facts the
  // probe found may be handed to the encoder.
  const ReservedPaths* reservedOutputs = nullptr;
  bool passSourceFacts = false;
};

}  // namespace orva
