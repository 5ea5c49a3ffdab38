#include "tools/encoder/ffmpeg_command.h"

#include <vector>

namespace orva::encoder {

namespace {

void AppendArgument(std::string& line, const std::string& argument) {
  if (!line.empty()) line += ' ';
  const bool needsQuotes = argument.empty() || argument.find_first_of(" \t") != std::string::npos;
  if (needsQuotes) {
    line += '"' + argument + '"';
  } else {
    line += argument;
  }
}

}  // namespace

std::string FfmpegCommandLine(const EncodePlan& plan, const std::string& outputPath) {
  std::string line;
  // -stats: the converter's progress comes from ffmpeg's stats line, whatever
  // the log level. ffmpeg's stdin stays connected: it carries the quit command.
  for (const char* fixed : {kFfmpegProgram, "-hide_banner", "-stats"}) AppendArgument(line, fixed);
  for (const std::string& a : plan.inputArguments) AppendArgument(line, a);
  for (const std::string& a : plan.outputArguments) AppendArgument(line, a);
  AppendArgument(line, "-y");
  AppendArgument(line, outputPath);
  return line;
}

}  // namespace orva::encoder
