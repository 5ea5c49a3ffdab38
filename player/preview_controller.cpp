#include "player/preview_controller.h"

#include <algorithm>
#include <climits>
#include <cstdarg>
#include <cstdio>

#include "app/string_table.h"
#include "player/preview_texts.h"

namespace orva {

namespace {

// Waits with messages after a command, so the player's answer arrives.
constexpr int kWaitCycleMs = 50;
constexpr int kSettleCycles = 5;
constexpr int kPauseSettleCycles = 10;

// Stopping: the player is asked to end, then forced; a player that has not
// gone after both waits (stuck in the kernel) is let go, never waited for.
constexpr int kStopCycleMs = 10;
constexpr int kAskedEndMs = 500;
constexpr int kForcedEndMs = 2000;

// A seek to the very end would end the player at once: stop short of it.
constexpr double kEndSeekMargin = 2.0;

constexpr std::size_t kShortClockLength = 8;  // "HH:MM:SS"

// Whole seconds of a time, limited to what the clock can hold.
int WholeSeconds(double seconds) {
  if (!(seconds > 0)) return 0;
  return seconds >= INT_MAX ? INT_MAX : static_cast<int>(seconds);
}

std::string ShortClock(double seconds) { return FormatClock(seconds).substr(0, kShortClockLength); }

int Limited(double value, int highest) {
  if (!(value > 0)) return 0;
  return value >= highest ? highest : static_cast<int>(value);
}

int SeekPosition(int clockSeconds, double duration) {
  if (!(duration > 0)) return 0;
  return Limited(clockSeconds * static_cast<double>(kSeekRange) / duration, kSeekRange);
}

// Formats one command into the player's 16-byte command buffer and writes
// it without waiting for an answer; with no player nothing is written.
__attribute__((format(printf, 2, 3))) void SendCommand(ToolRunner& runner, const char* format, ...) {
  char command[16];
  std::va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(command, sizeof command, format, arguments);
  va_end(arguments);
  WriteToolInput(runner, command);
}

}  // namespace

PreviewController::PreviewController(PreviewView& view, const std::string& playerProgramPath,
                                     JobList& jobs)
    : view_(view), jobs_(jobs) {
  std::snprintf(runner_.programPath, sizeof runner_.programPath, "%s", playerProgramPath.c_str());
  runner_.context = &launch_;
  runner_.descriptor = &kPlayerDescriptor;
  // A player left without its window has nothing to show: it ends with us.
  runner_.launchOptions.endWithParent = true;
}

PreviewController::~PreviewController() {
  TerminateTool(runner_);
  AbandonTool(runner_);
  ReleaseOutputLines(runner_);
}

void PreviewController::setPreviewWindow(std::int32_t windowHandle, int width, int height) {
  launch_.window_handle = windowHandle;
  launch_.width = width;
  launch_.height = height;
}

bool PreviewController::setPreviewFrames(int width, int height) {
  launch_.window_handle = 0;
  launch_.width = width;
  launch_.height = height;
  const bool made = frames_.create();
  launch_.frames_handle = frames_.descriptor();
  runner_.launchOptions.sharedHandle = launch_.frames_handle >= 0 ? launch_.frames_handle : kNoHandle;
  return made;
}

void PreviewController::setPreviewSize(int width, int height) {
  if (width == launch_.width && height == launch_.height) return;
  launch_.width = width;
  launch_.height = height;
  if (loaded_ && launch_.frames_handle >= 0) SendCommand(runner_, kFrameSizeFormat, width, height);
}

int PreviewController::StartPreview(bool startPaused) {
  if (loaded_) StopPreview();
  if (current_job_ == nullptr) return kPreviewNotStarted;

  launch_.splitter = LineSplitter{};  // the last run's onFinish freed its buffers
  launch_.current_time = 0;
  launch_.frame_waiting = false;
  launch_.volume = volume_;
  launch_.start_time = current_job_->trim_begin;
  launch_.start_paused = startPaused;
  std::snprintf(launch_.source_path, sizeof launch_.source_path, "%s", current_job_->path);
  ClearToolRunner(runner_);
  if (runner_.descriptor->buildCommand(runner_) != 0 || !LaunchTool(runner_)) {
    return kPreviewNotStarted;
  }

  launch_.current_time = launch_.start_time;
  clock_seconds_ = launch_.start_time == 0 ? 0 : WholeSeconds(launch_.start_time + 1.0);
  view_.startPlayerWatchTimer();
  loaded_ = true;
  view_.setPreviewLoaded(true);
  view_.setVolumePosition(volume_);
  RefreshPlayerDisplay(true);
  setPlaying(!startPaused);
  return kPreviewStarted;
}

void PreviewController::StopPreview() {
  if (!loaded_) return;
  const OsHandle player = runner_.process;
  AskToolToEnd(runner_);
  if (waitForEnd(player, kAskedEndMs)) return;
  TerminateTool(runner_);
  if (waitForEnd(player, kForcedEndMs)) return;
  AbandonTool(runner_);
  endPlayback();
}

// Pumps and watches until that player has gone; a click handled meanwhile
// may already have started the next one, which is left alone.
bool PreviewController::waitForEnd(OsHandle player, int milliseconds) {
  for (int waited = 0; waited < milliseconds; waited += kStopCycleMs) {
    PumpMessages(1, kStopCycleMs);
    onPlayerWatchTimer();
    if (!loaded_ || runner_.process != player) return true;
  }
  return false;
}

// The watch runs in every wait, so the player's reports arrive even when
// the window's own watch timer cannot fire during the wait.
void PreviewController::waitWithMessages(int cycles, int milliseconds) {
  for (int i = 0; i < cycles; ++i) {
    PumpMessages(1, milliseconds);
    onPlayerWatchTimer();
  }
}

void PreviewController::onPlayerWatchTimer() {
  if (!loaded_) return;
  if (PollTool(runner_) != 0) {
    endPlayback();
    return;
  }
  if (launch_.frame_waiting) showNewestFrame();
}

// Only the newest picture of a poll is painted: older ones are already stale.
void PreviewController::showNewestFrame() {
  launch_.frame_waiting = false;
  const FrameAnnouncement& frame = launch_.newest_frame;
  const std::uint8_t* pixels = frames_.picture(frame);
  if (pixels == nullptr) return;  // announced beyond the memory: not ours to read
  view_.showFrame(PreviewFrame{pixels, frame.width, frame.height, frame.stride});
}

void PreviewController::endPlayback() {
  view_.invalidatePreview();
  view_.stopPlayerWatchTimer();
  view_.stopPlayClockTimer();
  runner_.descriptor->onFinish(runner_);
  ClearToolRunner(runner_);
  loaded_ = false;  // PreviewPlaying keeps its value until the next start
  view_.setPreviewLoaded(false);
  view_.setVolumePosition(0);
  clock_seconds_ = 0;
  current_job_ = nullptr;
  RefreshPlayerDisplay(true);
}

// The clock shows the position the player last reported, never a count of
// ticks: ticks are lost and restarted with every pause, the reports are not.
void PreviewController::onPlayClockTimer() {
  if (!loaded_ || !playing_) return;
  clock_seconds_ = WholeSeconds(launch_.current_time);
  RefreshPlayerDisplay(false);
}

void PreviewController::RefreshPlayerDisplay(bool withRange) {
  const std::string position = ShortClock(clock_seconds_);
  std::string duration = kNoDuration;
  if (current_job_ != nullptr) {
    duration = ShortClock(current_job_->duration);
    view_.setSeekPosition(SeekPosition(clock_seconds_, current_job_->duration));
  } else {
    view_.setSeekPosition(0);
    view_.setVolumePosition(0);
  }
  char label[64];
  std::snprintf(label, sizeof label, kTimeLabelFormat, position.c_str(), duration.c_str());
  view_.setTimeLabel(label);
  if (!withRange) return;
  view_.setBeginLabel(current_job_ != nullptr ? FormatClock(current_job_->trim_begin) : kNoRangeBound);
  view_.setEndLabel(current_job_ != nullptr ? FormatClock(current_job_->trim_end) : kNoRangeBound);
}

void PreviewController::play() {
  if (view_.converting()) return;
  if (loaded_) {
    if (!playing_) resume();
    return;
  }
  if (current_job_ == nullptr) {
    const int row = view_.focusedRow();
    JobItem* job = row >= 0 ? jobs_.at(row) : nullptr;
    if (job == nullptr) return;
    view_.selectRow(row);
    current_job_ = job;
  }
  StartPreview(false);
}

void PreviewController::resume() {
  SendCommand(runner_, kPlayerResumeFormat, volume_);
  setPlaying(true);
}

void PreviewController::pause() {
  if (!loaded_ || !playing_) return;
  SendCommand(runner_, kPlayerResumeFormat, 0);
  setPlaying(false);
}

void PreviewController::setPlaying(bool playing) {
  playing_ = playing;
  view_.setPreviewPlaying(playing);
  if (playing) {
    view_.startPlayClockTimer();
  } else {
    view_.stopPlayClockTimer();
  }
}

void PreviewController::onSeekSlider(int position) {
  if (!loaded_ || current_job_ == nullptr) return;
  position = std::clamp(position, 0, kSeekRange);
  SendCommand(runner_, kPlayerSeekFormat, position);
  waitWithMessages(kSettleCycles, kWaitCycleMs);
  if (!loaded_) return;  // the player ended during the wait
  launch_.current_time = position * current_job_->duration / kSeekRange;
  clock_seconds_ = WholeSeconds(launch_.current_time);
  RefreshPlayerDisplay(false);
}

void PreviewController::onVolumeSlider(int volume) {
  volume_ = std::clamp(volume, 0, kVolumeRange);
  SendCommand(runner_, kPlayerVolumeFormat, volume_);
}

void PreviewController::SeekPreviewTo(double seconds) {
  if (current_job_ == nullptr || !loaded_) return;
  const double duration = current_job_->duration;
  if (!(duration > 0) || !(seconds >= 0) || seconds > duration) return;
  if (seconds == duration) seconds = std::max(0.0, duration - kEndSeekMargin);
  if (playing_) {
    pause();
    waitWithMessages(kSettleCycles, kWaitCycleMs);
  }
  SendCommand(runner_, kPlayerSeekFormat, Limited(seconds * kSeekRange / duration, kSeekRange));
  waitWithMessages(kSettleCycles, kWaitCycleMs);
  if (!loaded_) return;
  clock_seconds_ = WholeSeconds(launch_.current_time + 1.0);
  RefreshPlayerDisplay(false);
}

void PreviewController::onPreviewPainted() {
  if (loaded_) WriteToolInput(runner_, kPlayerRedraw);
}

void PreviewController::onRowClick(int row) {
  if (row < 0) {
    StopPreview();
    clock_seconds_ = 0;
    RefreshPlayerDisplay(true);
    return;
  }
  if (current_job_ != nullptr && current_job_->index == row) return;
  StopPreview();
  current_job_ = jobs_.at(row);
  // During a conversion the row is only remembered; Play waits for the end.
  if (!view_.converting()) StartPreview(true);
}

void PreviewController::loadJobPaused(JobItem* job) {
  StopPreview();
  current_job_ = job;
  StartPreview(true);
}

void PreviewController::forgetJob(const JobItem* job) {
  if (current_job_ == job) current_job_ = nullptr;
}

void PreviewController::setBeginFromPosition() {
  if (current_job_ == nullptr || !loaded_) return;
  pause();
  waitWithMessages(kPauseSettleCycles, kWaitCycleMs);
  if (!view_.askYesNo(LoadString(kStrSetBegin), kBeginCaption)) {
    play();
    return;
  }
  waitWithMessages(kSettleCycles, kWaitCycleMs);
  setTrimRange(launch_.current_time, kKeepBound);
  RefreshPlayerDisplay(true);
}

void PreviewController::setEndFromPosition() {
  if (current_job_ == nullptr || !loaded_) return;
  if (!(current_job_->trim_begin < launch_.current_time)) {
    view_.showMessage(LoadString(kStrBeginTooLarge), kEndCaption);
    return;
  }
  pause();
  waitWithMessages(kPauseSettleCycles, kWaitCycleMs);
  if (!view_.askYesNo(LoadString(kStrSetEnd), kEndCaption)) {
    play();
    return;
  }
  waitWithMessages(kSettleCycles, kWaitCycleMs);
  setTrimRange(kKeepBound, launch_.current_time);
  RefreshPlayerDisplay(true);
}

int PreviewController::setTrimRange(double begin, double end) {
  const int result = SetTrimRange(current_job_, playing_, begin, end);
  if (result == kTrimApplied) view_.refreshJobRow(*current_job_);
  return result;
}

}  // namespace orva
