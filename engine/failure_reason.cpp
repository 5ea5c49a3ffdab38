#include "engine/failure_reason.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "engine/conversion_texts.h"
#include "engine/encoder_command.h"
#include "engine/number_text.h"

namespace orva {

namespace {

void SetReason(JobItem& job, const std::string& reason) {
  std::snprintf(job.fail_reason, sizeof job.fail_reason, "%s", reason.c_str());
}

std::string Percent(double percent) { return FixedText(percent, 0) + "%"; }

bool EncoderEndedBadly(const ExitStatus& exit) { return exit.known && !exit.success(); }

void ExplainEncoderEnd(JobItem& job, const ExitStatus& exit, const char* lastMessage) {
  if (lastMessage[0] != '\0') {
    SetReason(job, lastMessage);
  } else if (exit.exited) {
    SetReason(job, ReasonText(kReasonEncoderStatus, std::to_string(exit.code)));
  } else {
    SetReason(job, ReasonText(kReasonEncoderSignal, std::to_string(exit.signal)));
  }
}

}  // namespace

std::string ReasonText(const char* form, const std::string& value) {
  std::string text = form;
  const std::size_t mark = text.find("%1");
  if (mark != std::string::npos) text.replace(mark, 2, value);
  return text;
}

void ExplainLaunchFailure(JobItem& job, int buildResult, const char* programPath) {
  if (buildResult != kCommandBuilt) {
    SetReason(job, CommandFailureText(buildResult));
  } else if (std::error_code error; !std::filesystem::exists(programPath, error) && !error) {
    SetReason(job, ReasonText(kReasonNoEncoder, programPath));
  } else {
    SetReason(job, ReasonText(kReasonEncoderWontStart, programPath));
  }
}

void ExplainFolderRefusal(JobItem& job, const std::string& folder) {
  std::error_code error;
  const bool missing = !std::filesystem::is_directory(folder, error);
  SetReason(job, ReasonText(missing ? kReasonFolderMissing : kReasonFolderNotWritable, folder));
}

void ExplainEndedJob(JobItem& job, const char* verdict, double percent,
                     const ExitStatus& encoderExit, bool stopRequested,
                     const char* encoderLastMessage) {
  job.fail_reason[0] = '\0';
  if (std::strcmp(verdict, kStatusSuccess) == 0) return;
  if (job.profile != nullptr && job.profile->videoCodecCount == 0 && job.audio_streams == 0) {
    SetReason(job, kReasonNoAudio);
  } else if (EncoderEndedBadly(encoderExit) && !stopRequested) {
    ExplainEncoderEnd(job, encoderExit, encoderLastMessage);
  } else if (stopRequested) {
    SetReason(job, ReasonText(kReasonStopped, Percent(percent)));
  } else {
    SetReason(job, ReasonText(kReasonPartial, Percent(percent)));
  }
}

}  // namespace orva
