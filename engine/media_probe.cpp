#include "engine/media_probe.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/command_line.h"
#include "engine/number_text.h"
#include "engine/output_naming.h"

namespace orva {

namespace {

constexpr std::int32_t kInitialOutputCapacity = 1024;
// How long one wait for the probe's output lasts before the probe is asked
// about again; short, so that an interruption is seen at once.
constexpr int kProbeWaitMilliseconds = 20;

ProbeRecord& TheProbeRecord() {
  static ProbeRecord record{};
  return record;
}

int ProbeBuildCommand(ToolRunner& runner) {
  auto& record = *static_cast<ProbeRecord*>(runner.context);
  const std::string built = QuoteArgument(runner.programPath) + " -show_format -show_streams " +
                            QuoteArgument(record.inputPath);
  if (built.size() >= static_cast<std::size_t>(kCommandCapacity)) {
    runner.commandLine[0] = '\0';  // never probe a cut path
    return -1;
  }
  std::memcpy(runner.commandLine, built.c_str(), built.size() + 1);
  record.output = static_cast<char*>(std::calloc(kInitialOutputCapacity, 1));
  record.outputCapacity = kInitialOutputCapacity;
  record.outputLength = 0;
  return 0;
}

void ProbeOnOutput(ToolRunner& runner) {
  auto& record = *static_cast<ProbeRecord*>(runner.context);
  const auto chunkLength = static_cast<std::int32_t>(std::strlen(runner.readBuffer));
  const std::int32_t newLength = record.outputLength + chunkLength;
  if (newLength >= record.outputCapacity) {
    char* grown = static_cast<char*>(std::realloc(record.output, static_cast<std::size_t>(newLength) + 1));
    if (grown == nullptr) std::abort();
    record.output = grown;
    record.outputCapacity = newLength + 1;
  }
  std::memcpy(record.output + record.outputLength, runner.readBuffer,
              static_cast<std::size_t>(chunkLength) + 1);
  record.outputLength = newLength;
}

void ProbeOnFinish(ToolRunner& runner) {
  auto& record = *static_cast<ProbeRecord*>(runner.context);
  if (record.output == nullptr) return;
  if (record.outputLength != 0) ParseProbeReport(record.output, record);
  std::free(record.output);
  record.output = nullptr;
  record.outputLength = 0;
}

// "HH:MM:SS.fraction" in seconds; 0 when the text is not of that form.
double ReadClockText(const char* text) {
  char* end = nullptr;
  const long hours = std::strtol(text, &end, 10);
  if (end == text || *end != ':') return 0;
  const char* minutesAt = end + 1;
  const long minutes = std::strtol(minutesAt, &end, 10);
  if (end == minutesAt || *end != ':') return 0;
  const char* secondsEnd = nullptr;
  const double seconds = ReadDecimal(end + 1, &secondsEnd);
  if (secondsEnd == end + 1) return 0;
  return static_cast<double>(hours) * 3600.0 + static_cast<double>(minutes) * 60.0 + seconds;
}

// A stream's length: its duration, or the Matroska tag "HH:MM:SS.fraction"
// where the container keeps no duration of its own. 0 when neither is given.
double StreamLength(const StreamSection& stream) {
  const auto duration = stream.find("duration");
  if (duration != stream.end()) {
    const double seconds = ReadDecimal(duration->second.c_str());
    if (seconds > 0) return seconds;  // "N/A" reads as 0
  }
  const auto tag = stream.find("TAG:DURATION");
  return tag == stream.end() ? 0 : ReadClockText(tag->second.c_str());
}

bool StartsLine(const char* text, const char* at) {
  return at == text || at[-1] == '\n' || at[-1] == '\r';
}

// The first place in `text`, at or after `from` and before `end` (when
// given), where a line starts with `key`.
const char* FindLineStart(const char* text, const char* from, const char* key, const char* end) {
  for (const char* at = std::strstr(from, key); at != nullptr; at = std::strstr(at + 1, key)) {
    if (end != nullptr && at >= end) return nullptr;
    if (StartsLine(text, at)) return at;
  }
  return nullptr;
}

std::int32_t CountLineStarts(const char* text, const char* key) {
  std::int32_t count = 0;
  for (const char* at = FindLineStart(text, text, key, nullptr); at != nullptr;
       at = FindLineStart(text, at + 1, key, nullptr)) {
    ++count;
  }
  return count;
}

}  // namespace

JobItem* NewProbedJob(const char* path, const ProbeRecord& record) {
  JobItem* job = NewJobItem();
  job->duration = record.duration;
  job->trim_end = record.duration;
  job->width = record.width;
  job->height = record.height;
  job->audio_streams = record.audioStreams;
  job->audio_duration = record.audioDuration;
  job->source_facts = record.sourceFacts;
  FormatClock(job->duration, job->duration_text);
  job->profile = currentProfile;
  EstimateOutputSize(*job);
  std::snprintf(job->path, sizeof job->path, "%s", path);
  SplitJobPath(*job);
  return job;
}

const ToolDescriptor kProbeDescriptor = {ProbeBuildCommand, ProbeOnOutput, ProbeOnFinish};

ToolRunner& ProbeRunner() {
  static ToolRunner runner = [] {
    ToolRunner r;
    r.context = &TheProbeRecord();
    r.descriptor = &kProbeDescriptor;
    // A probe left running would outlive us for ever on a named pipe or a
    // stalled network folder.
    r.launchOptions.endWithParent = true;
    return r;
  }();
  return runner;
}

void ParseProbeReport(const char* report, ProbeRecord& record) {
  // Keys count only at the start of a line: the report prints the file name
  // first, and a name may hold "duration=" itself.
  const char* format = FindLineStart(report, report, "[FORMAT]", nullptr);
  if (format == nullptr) return;
  const char* formatEnd = FindLineStart(report, format, "[/FORMAT]", nullptr);
  if (formatEnd == nullptr) return;
  const char* width = FindLineStart(report, report, "width=", nullptr);
  const char* height = FindLineStart(report, report, "height=", nullptr);

  // Only the format section's duration counts, never a stream's.
  const char* duration = FindLineStart(report, format, "duration=", formatEnd);
  if (duration == nullptr) return;
  record.duration = ReadDecimal(duration + std::strlen("duration="));
  if (width != nullptr) record.width = std::atoi(width + std::strlen("width="));
  if (height != nullptr) record.height = std::atoi(height + std::strlen("height="));
  record.audioStreams = CountLineStarts(report, "codec_type=audio");
  const std::vector<StreamSection> streams = ReadStreamSections(report);
  const StreamSection* audio = MainAudio(streams);
  record.audioDuration = audio == nullptr ? 0 : StreamLength(*audio);
  record.sourceFacts = ParseSourceReport(report);
}

int CheckPassablePath(const char* path) {
  return std::strlen(path) >= static_cast<std::size_t>(kPathCapacity) ? kPathTooLong : kPathPassable;
}

namespace {

// Runs the probe on `path` with `runner` and reads its report into `record`.
int RunProbe(ToolRunner& runner, ProbeRecord& record, const char* path, const KeepWaiting& keepWaiting) {
  if (CheckPassablePath(path) != kPathPassable) return kProbeNoDuration;
  std::snprintf(record.inputPath, sizeof record.inputPath, "%s", path);

  ClearToolRunner(runner);
  if (runner.descriptor->buildCommand(runner) != 0) return kProbeNoDuration;
  if (!LaunchTool(runner)) {
    runner.descriptor->onFinish(runner);
    return kProbeNotStarted;
  }
  bool interrupted = false;
  while (PollTool(runner) == 0) {
    if (!interrupted && keepWaiting && !keepWaiting()) {
      interrupted = true;
      TerminateTool(runner);
    }
    PlatformWaitReadable(runner.outputRead, kProbeWaitMilliseconds);
  }
  runner.descriptor->onFinish(runner);
  ClearToolRunner(runner);

  if (interrupted) return kProbeInterrupted;
  return record.duration == 0 ? kProbeNoDuration : kProbeAdded;
}

}  // namespace

int ProbeAndAddFile(const char* path, JobList& jobs, const KeepWaiting& keepWaiting) {
  ProbeRecord& record = TheProbeRecord();
  record = ProbeRecord{};
  const int result = RunProbe(ProbeRunner(), record, path, keepWaiting);
  if (result == kProbeAdded) jobs.append(NewProbedJob(path, record));
  return result;
}

int ProbeAndAddFile(const char* path) { return ProbeAndAddFile(path, TheJobList()); }

JobItem* MeasureFile(const char* path, const char* probeProgramPath, int& result,
                     const KeepWaiting& keepWaiting) {
  ProbeRecord record{};
  ToolRunner runner;
  runner.context = &record;
  runner.descriptor = &kProbeDescriptor;
  runner.launchOptions.endWithParent = true;  // no probe outlives the program
  result = kProbeNoDuration;
  if (std::strlen(probeProgramPath) >= sizeof runner.programPath) return nullptr;
  std::snprintf(runner.programPath, sizeof runner.programPath, "%s", probeProgramPath);
  result = RunProbe(runner, record, path, keepWaiting);
  return result == kProbeAdded ? NewProbedJob(path, record) : nullptr;
}

}  // namespace orva
