// Why a job did not succeed, in the user's words, kept in the job's
// `fail_reason` for the command-line converter and the window's tooltip.
#pragma once

#include <string>

#include "app/job_item.h"
#include "engine/process.h"

namespace orva {

// The forms of the reasons; "%1" stands for what each one names (a path, a
// share, a number). The core keeps them in English; the window shows them
// in the user's language.
inline constexpr char kReasonNoAudio[] = "the source has no audio stream to convert";
inline constexpr char kReasonEncoderStatus[] = "the encoder ended with status %1";
inline constexpr char kReasonEncoderSignal[] = "the encoder was ended by signal %1";
inline constexpr char kReasonNoEncoder[] = "no encoder program at %1";
inline constexpr char kReasonEncoderWontStart[] = "the encoder program %1 cannot be started";
inline constexpr char kReasonFolderMissing[] = "the output folder %1 does not exist";
inline constexpr char kReasonFolderNotWritable[] = "the output folder %1 is not writable";
inline constexpr char kReasonStopped[] = "stopped after %1 of the range";
inline constexpr char kReasonPartial[] = "the encoder wrote only %1 of the range";
inline constexpr const char* kReasonForms[] = {
    kReasonNoAudio,          kReasonEncoderStatus,  kReasonEncoderSignal,
    kReasonNoEncoder,        kReasonEncoderWontStart, kReasonFolderMissing,
    kReasonFolderNotWritable, kReasonStopped,        kReasonPartial,
};

// `form` with `value` in place of its "%1".
std::string ReasonText(const char* form, const std::string& value);

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
