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
    SetReason(job, "the encoder ended with status " + std::to_string(exit.code));
  } else {
    SetReason(job, "the encoder was ended by signal " + std::to_string(exit.signal));
  }
}

}  // namespace

void ExplainLaunchFailure(JobItem& job, int buildResult, const char* programPath) {
  if (buildResult != kCommandBuilt) {
    SetReason(job, CommandFailureText(buildResult));
  } else if (std::error_code error; !std::filesystem::exists(programPath, error) && !error) {
    SetReason(job, std::string("no encoder program at ") + programPath);
  } else {
    SetReason(job, std::string("the encoder program ") + programPath + " cannot be started");
  }
}

void ExplainFolderRefusal(JobItem& job, const std::string& folder) {
  std::error_code error;
  const bool missing = !std::filesystem::is_directory(folder, error);
  SetReason(job, "the output folder " + folder + (missing ? " does not exist" : " is not writable"));
}

void ExplainEndedJob(JobItem& job, const char* verdict, double percent,
                     const ExitStatus& encoderExit, bool stopRequested,
                     const char* encoderLastMessage) {
  job.fail_reason[0] = '\0';
  if (std::strcmp(verdict, kStatusSuccess) == 0) return;
  if (job.profile != nullptr && job.profile->videoCodecCount == 0 && job.audio_streams == 0) {
    SetReason(job, "the source has no audio stream to convert");
  } else if (EncoderEndedBadly(encoderExit) && !stopRequested) {
    ExplainEncoderEnd(job, encoderExit, encoderLastMessage);
  } else if (stopRequested) {
    SetReason(job, "stopped after " + Percent(percent) + " of the range");
  } else {
    SetReason(job, "the encoder wrote only " + Percent(percent) + " of the range");
  }
}

}  // namespace orva
