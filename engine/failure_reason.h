// Why a job did not succeed, in the user's words, kept in the job's
// `fail_reason` for the command-line converter and the window's tooltip.
#pragma once

#include <string>

#include "app/job_item.h"
#include "engine/process.h"

namespace orva {

// The encoder could not be started for the job: `buildResult` is the result
// of building its command (encoder_command.h), kCommandBuilt when the
// program itself would not start.
void ExplainLaunchFailure(JobItem& job, int buildResult, const char* programPath);

// The job's output folder failed the writability test.
void ExplainFolderRefusal(JobItem& job, const std::string& folder);

// The encoder has ended and the job was judged `verdict`. Nothing is kept
// for a success. Otherwise the converter's own reason comes first (no audio
// stream for an audio-only profile), then the encoder's last message when
// it ended badly, then the share written.
void ExplainEndedJob(JobItem& job, const char* verdict, double percent,
                     const ExitStatus& encoderExit, bool stopRequested,
                     const char* encoderLastMessage);

}  // namespace orva
