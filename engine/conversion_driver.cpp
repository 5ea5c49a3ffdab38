#include "engine/conversion_driver.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <type_traits>

#include "app/data_files.h"
#include "engine/conversion_progress.h"
#include "engine/conversion_texts.h"
#include "engine/encoder_command.h"
#include "engine/failure_reason.h"
#include "engine/number_text.h"
#include "engine/output_naming.h"

namespace orva {

namespace {

constexpr char kTimeKey[] = "time=";

// The encoder wrote its file under another name than the one given (the
// name was taken meanwhile, or the profile's extension would misname the
// format written): keep that name when it lies in the job's folder.
void TakeWrittenName(JobItem& job, const std::string& path) {
  const std::string folder = OutputFolderFor(job);
  if (path.size() <= folder.size() || !path.starts_with(folder)) return;
  const std::string file = path.substr(folder.size());
  const std::size_t dot = file.rfind('.');
  if (file.find(kPathSeparator) != std::string::npos || dot == std::string::npos || dot == 0) return;
  const std::string name = file.substr(0, dot);
  const std::string extension = file.substr(dot);
  if (name.size() >= sizeof job.out_name || extension.size() >= sizeof job.out_ext) return;
  std::snprintf(job.out_name, sizeof job.out_name, "%s", name.c_str());
  const bool profiles = extension == ChosenExtension(*job.profile);
  std::snprintf(job.out_ext, sizeof job.out_ext, "%s", profiles ? "" : extension.c_str());
}

// Joins the encoder's "not kept: " lines after one lead; what does not fit
// the record is left out whole.
void TakeNotKept(JobItem& job, const std::string& line) {
  std::string joined = job.not_kept;
  joined += joined.empty() ? line : kNotKeptSeparator + line.substr(std::strlen(kNotKeptLead));
  if (joined.size() >= sizeof job.not_kept) return;
  std::snprintf(job.not_kept, sizeof job.not_kept, "%s", joined.c_str());
}

void DigestEncoderLine(const char* line, std::size_t length, void* context) {
  auto& state = *static_cast<ConversionState*>(context);
  const std::string text(line, length);
  const std::size_t time = text.find(kTimeKey);
  if (time != std::string::npos) {
    state.encodedSeconds = ReadDecimal(text.c_str() + time + std::strlen(kTimeKey));
  } else if (text.starts_with(kOutputWrittenAs)) {
    if (state.currentJob != nullptr) TakeWrittenName(*state.currentJob, text.substr(std::strlen(kOutputWrittenAs)));
  } else if (text.starts_with(kEncoderFinishing)) {
    state.finishing = true;
  } else if (text.starts_with(kNotKeptLead)) {
    if (state.currentJob != nullptr) TakeNotKept(*state.currentJob, text);
  } else {
    std::snprintf(state.lastMessage, sizeof state.lastMessage, "%s", text.c_str());
  }
}

}  // namespace

void EncoderOnOutput(ToolRunner& runner) {
  auto& state = *static_cast<ConversionState*>(runner.context);
  // Every line is read: a message right after a report must not hide it.
  LineSplitterAppend(state.splitter, runner.readBuffer, DigestEncoderLine, &state);
}

static_assert(std::is_standard_layout_v<ConversionState> && offsetof(ConversionState, splitter) == 0,
              "the shared output release expects the splitter first");
void EncoderOnFinish(ToolRunner& runner) { ReleaseOutputLines(runner); }

const ToolDescriptor kEncoderDescriptor = {EncoderBuildCommand, EncoderOnOutput, EncoderOnFinish};

namespace {

std::string ExtensionChangeText(const char* from, const char* to) {
  char text[80];
  std::snprintf(text, sizeof text, kExtensionChangeFormat, from, to);
  return text;
}

}  // namespace

ConversionDriver::ConversionDriver(ConversionView& view, const std::string& encoderProgramPath)
    : view_(view) {
  std::snprintf(runner_.programPath, sizeof runner_.programPath, "%s", encoderProgramPath.c_str());
  runner_.context = &state_;
  runner_.descriptor = &kEncoderDescriptor;
}

ConversionDriver::~ConversionDriver() { LineSplitterRelease(state_.splitter); }

int ConversionDriver::convert(JobItem* firstJob) {
  if (converting_) return kNoJobStarted;  // one run at a time
  takenThisRun_.clear();
  view_.stopPreview();
  const int result = startNextJob(firstJob);
  if (result != kJobStarted) return result;
  converting_ = true;
  view_.setConverting(true);
  return kJobStarted;
}

void ConversionDriver::stop() {
  if (!encoderRunning_) return;
  WriteToolInput(runner_, kEncoderQuitCommand);
  stopRequested_ = true;
}

int ConversionDriver::startNextJob(JobItem* job) {
  for (; job != nullptr; job = following(job)) {
    if (!takenThisRun_.insert(job).second) return kNoJobStarted;
    resetForNewRun();
    job->fail_reason[0] = '\0';
    job->not_kept[0] = '\0';
    const std::string folder = OutputFolderFor(*job);
    if (CheckWritableFolder(folder.c_str()) != 0) {
      ExplainFolderRefusal(*job, folder);
      if (!view_.askIgnoreNotWritable(folder)) return kRunDeclined;
    }
    state_.currentJob = job;
    if (!launchEncoder(*job)) {
      view_.setRowStatus(job->index, kStatusFatal);
      continue;
    }
    showJobStarted(*job);
    return kJobStarted;
  }
  return kNoJobStarted;
}

void ConversionDriver::resetForNewRun() {
  LineSplitterRelease(state_.splitter);
  state_ = ConversionState{};
  state_.reservedOutputs = reserved_;
  state_.passSourceFacts = passSourceFacts_;
  ClearToolRunner(runner_);
}

bool ConversionDriver::launchEncoder(JobItem& job) {
  // A command that cannot be built safely is as fatal as a missing encoder.
  const int built = runner_.descriptor->buildCommand(runner_);
  if (built == kCommandBuilt && LaunchTool(runner_)) {
    job.fail_reason[0] = '\0';
    if (reserved_ != nullptr) {
      reservedPath_ = OutputFolderFor(job) + job.out_name + ChosenExtension(*job.profile);
      reserved_->insert(reservedPath_);
    }
    return true;
  }
  ExplainLaunchFailure(job, built, runner_.programPath);
  return false;
}

void ConversionDriver::showJobStarted(const JobItem& job) {
  encoderRunning_ = true;
  // The bar starts empty for every job, not at the previous job's end.
  view_.setProgressPosition(0);
  view_.setFileName(job.out_name);
  view_.setExtensionChange(ExtensionChangeText(job.ext, ChosenExtension(*job.profile)));
  elapsedTicks_ = 0;
  view_.startTimers();
}

void ConversionDriver::onEncoderTimer() {
  if (!encoderRunning_ || PollToolNow(runner_) == 0) return;
  encoderRunning_ = false;
  view_.stopTimers();
  runner_.descriptor->onFinish(runner_);
  judgeEndedJob();
  ClearToolRunner(runner_);
  releaseOutputName();

  if (stopRequested_) {
    endRun();
    return;
  }
  if (startNextJob(following(state_.currentJob)) != kJobStarted) endRun();
}

// The encoder has ended: its file is in place under its name, or gone.
void ConversionDriver::releaseOutputName() {
  if (reserved_ == nullptr || reservedPath_.empty()) return;
  reserved_->erase(reservedPath_);
  reservedPath_.clear();
}

void ConversionDriver::judgeEndedJob() {
  JobItem& job = *state_.currentJob;
  const double percent = JobPercent(job, state_.encodedSeconds);
  const char* verdict = JudgeJob(percent, runner_.exitStatus, stopRequested_);
  ExplainEndedJob(job, verdict, percent, runner_.exitStatus, stopRequested_, state_.lastMessage);
  view_.setRowStatus(job.index, verdict);
}

void ConversionDriver::onProgressTimer() {
  if (!encoderRunning_) return;
  const JobItem& job = *state_.currentJob;
  const auto percent = static_cast<float>(JobPercent(job, state_.encodedSeconds));
  const double shownPercent = percent;
  // While the encoder finishes its file no progress comes; the row says why
  // its percentage stands still.
  view_.setRowStatus(job.index, state_.finishing ? kStatusFinishing : PercentText(shownPercent));
  view_.setSummary(SummaryText(shownPercent, job.index + 1, view_.rowCount()));

  ++elapsedTicks_;
  const double elapsedSeconds = elapsedTicks_ / 10.0;
  view_.setElapsed(FormatClock(elapsedSeconds));
  // Nothing reported yet (or no range to measure): keep remaining time and bar.
  if (percent == 0 || !std::isfinite(percent)) return;
  view_.setRemaining(FormatClock(RemainingSeconds(percent, elapsedSeconds)));
  view_.setProgressPosition(ProgressPosition(percent));
}

void ShowRunEnded(ConversionView& view) {
  view.setSummary("");
  view.setRemaining(kIdleClock);
  view.setElapsed(kIdleClock);
  view.setFileName(kFinishedFileName);
  view.setExtensionChange("");
  view.setProgressPosition(0);
}

void ConversionDriver::endRun() {
  stopRequested_ = false;
  converting_ = false;
  ShowRunEnded(view_);
  view_.setConverting(false);
}

}  // namespace orva
