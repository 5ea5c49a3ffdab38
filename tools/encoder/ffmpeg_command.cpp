#include "tools/encoder/ffmpeg_command.h"

#include <vector>

#include "engine/command_line.h"

namespace orva::encoder {

namespace {

void AppendArgument(std::string& line, const std::string& argument) {
  if (!line.empty()) line += ' ';
  // Bare text is read back as written unless it is empty or holds a blank or
  // a quote; a backslash alone stays as it is.
  const bool needsQuotes = argument.empty() || argument.find_first_of(" \t\"") != std::string::npos;
  if (needsQuotes) {
    line += QuoteArgument(argument);
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
