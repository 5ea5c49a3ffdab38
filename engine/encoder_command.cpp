#include "engine/encoder_command.h"

#include <cstring>

#include "engine/audio_track_rule.h"
#include "engine/command_line.h"
#include "engine/number_text.h"

namespace orva {

namespace {

bool IsAuto(const char* item) { return std::strcmp(item, kAutoItem) == 0; }

void AppendOption(std::string& options, const char* name, OptionList list, int index) {
  const char* item = GetOptionItem(list, index);
  if (item == nullptr || IsAuto(item)) return;
  options += name;
  options += ' ';
  options += item;
  options += ' ';
}

const char* ChannelsOption(const char* item) {
  if (item == nullptr) return "";
  if (std::strcmp(item, "Stereo") == 0) return "-ac 2 ";
  if (std::strcmp(item, "Mono") == 0) return "-ac 1 ";
  if (std::strcmp(item, "5.1") == 0) return "-ac 5.1 ";
  return "";
}

}  // namespace

std::string AudioOptions(const Profile& profile) {
  const AudioCodecEntry& audio = CurrentAudioEntry(profile);
  std::string options = std::string("-acodec ") + audio.encoderName + " ";
  AppendOption(options, "-ab", audio.audioBitrates, audio.audioBitrateIndex);
  AppendOption(options, "-ar", audio.sampleRates, audio.sampleRateIndex);
  options += ChannelsOption(GetOptionItem(audio.channels, audio.channelIndex));
  return options;
}

std::string VideoOptions(const Profile& profile) {
  const VideoCodecEntry* video = CurrentVideoEntry(profile);
  if (video == nullptr) return "";
  std::string options = std::string("-vcodec ") + video->encoderName + " ";
  AppendOption(options, "-s", video->sizes, video->sizeIndex);
  AppendOption(options, "-b", video->videoBitrates, video->videoBitrateIndex);
  AppendOption(options, "-r", video->frameRates, video->frameRateIndex);
  AppendOption(options, "-aspect", video->aspectRatios, video->aspectRatioIndex);
  return options;
}

int BuildEncoderCommand(const char* programPath, JobItem& job,
                        char (&commandLine)[kCommandCapacity], const ReservedPaths* reserved,
                        bool withSourceFacts) {
  std::string outputPath;
  const int named = OutputPathFor(job, outputPath, reserved);
  if (named != kNamed) return named;

  // Seconds with six decimals, as "%f" writes them in the "C" locale.
  std::string seek;
  if (job.trim_begin != 0) seek = " -ss " + FixedText(job.trim_begin, 6) + " ";
  std::string length;
  if (job.trim_end < job.duration) length = " -t " + FixedText(job.trim_end - job.trim_begin, 6) + " ";
  if (job.profile->videoCodecCount == 0) length += " -vn ";

  std::string facts;
  if (withSourceFacts && job.source_facts.known) facts = "-source-facts " + SourceFactsWord(job.source_facts) + " ";
  // The encoder keeps one audio track unless told that this profile keeps them all.
  const std::string tracks = KeepsEveryAudioTrack(*job.profile) ? "-tracks all " : "";

  const std::string built = QuoteArgument(programPath) + " " + tracks + facts + seek + "-i " + QuoteArgument(job.path) +
                            " " + length + "-y " + VideoOptions(*job.profile) + AudioOptions(*job.profile) +
                            QuoteArgument(outputPath);
  if (built.size() >= static_cast<std::size_t>(kCommandCapacity)) return kCommandTooLong;  // never run a cut command
  std::memcpy(commandLine, built.c_str(), built.size() + 1);
  return kCommandBuilt;
}

const char* CommandFailureText(int result) {
  if (result == kCommandTooLong) return "the encoder command would be longer than 1023 characters";
  return NamingFailureText(result);
}

int EncoderBuildCommand(ToolRunner& runner) {
  auto* state = static_cast<ConversionState*>(runner.context);
  if (state == nullptr || state->currentJob == nullptr) return -1;
  return BuildEncoderCommand(runner.programPath, *state->currentJob, runner.commandLine,
                             state->reservedOutputs, state->passSourceFacts);
}

}  // namespace orva
