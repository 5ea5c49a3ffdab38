#include "engine/conversion_lanes.h"

#include <algorithm>

#include "engine/conversion_progress.h"
#include "engine/conversion_texts.h"
#include "engine/tool_runner.h"

namespace orva {

int LaneCountFor(int chosen, int jobCount) {
  const int wanted = chosen > 0 ? chosen : PlatformUsableProcessors();
  return std::max(1, std::min(wanted, jobCount));
}

// A driver and the view it reports to: the lane keeps its own display and
// hands rows, questions, starts and ends to the lanes that own it.
class ConversionLanes::Lane : public ConversionView {
 public:
  Lane(ConversionLanes& owner, const std::string& encoderPath) : driver(*this, encoderPath), owner_(owner) {}

  int rowCount() const override { return owner_.view_.rowCount(); }
  void setRowStatus(int row, const std::string& text) override { owner_.showRowStatus(row, text); }
  void setFileName(const std::string& text) override {
    display.fileName = text;
    if (ConversionView* view = owner_.singleLaneView()) view->setFileName(text);
  }
  void setExtensionChange(const std::string& text) override {
    display.extensionChange = text;
    if (ConversionView* view = owner_.singleLaneView()) view->setExtensionChange(text);
  }
  void setElapsed(const std::string& text) override {
    display.elapsed = text;
    if (ConversionView* view = owner_.singleLaneView()) view->setElapsed(text);
  }
  void setRemaining(const std::string& text) override {
    display.remaining = text;
    if (ConversionView* view = owner_.singleLaneView()) view->setRemaining(text);
  }
  void setSummary(const std::string& text) override {
    display.summary = text;
    if (ConversionView* view = owner_.singleLaneView()) view->setSummary(text);
  }
  void setProgressPosition(int position) override {
    if (ConversionView* view = owner_.singleLaneView()) view->setProgressPosition(position);
  }
  void setConverting(bool on) override { owner_.laneConverting(on); }
  bool askIgnoreNotWritable(const std::string& folder) override { return owner_.askIgnoreNotWritable(folder); }
  void startTimers() override { owner_.laneStarted(*this); }
  void stopTimers() override { owner_.laneStopped(*this); }
  // The lanes end the preview once, when the run begins.
  void stopPreview() override {}

  ConversionDriver driver;
  LaneDisplay display;
  bool running = false;
  bool everStarted = false;
  long startOrder = 0;  // when its running job started, among the run's starts

 private:
  ConversionLanes& owner_;
};

ConversionLanes::ConversionLanes(ConversionView& view, const JobList& jobs, const std::string& encoderPath,
                                 int laneCount)
    : view_(view), jobs_(jobs), encoderPath_(encoderPath), queue_(jobs) {
  setLaneCount(laneCount);
}

ConversionLanes::~ConversionLanes() = default;

std::unique_ptr<ConversionLanes::Lane> ConversionLanes::makeLane() {
  auto lane = std::make_unique<Lane>(*this, encoderPath_);
  lane->driver.takeJobsFrom([this] { return queue_.take(); });
  lane->driver.shareOutputNames(outputsInUse_);
  lane->driver.passSourceFacts(passSourceFacts_);
  return lane;
}

void ConversionLanes::setLaneCount(int count) {
  count = std::max(count, 1);
  if (converting() || count == laneCount()) return;
  lanes_.clear();
  for (int i = 0; i < count; ++i) lanes_.push_back(makeLane());
}

void ConversionLanes::passSourceFacts(bool pass) {
  passSourceFacts_ = pass;
  for (auto& lane : lanes_) lane->driver.passSourceFacts(pass);
}

int ConversionLanes::convert() {
  if (converting()) return kNoJobStarted;  // one run at a time
  queue_.restart();
  endedRows_.clear();
  clock_ = BatchClock{};
  view_.stopPreview();
  return startIdleLanes();
}

int ConversionLanes::startIdleLanes() {
  int result = kNoJobStarted;
  for (auto& lane : lanes_) {
    if (lane->driver.converting()) continue;
    JobItem* job = queue_.take();
    if (job == nullptr) break;
    const int started = lane->driver.convert(job);
    if (started == kJobStarted || result == kNoJobStarted) result = started;
  }
  return result;
}

void ConversionLanes::stop() {
  queue_.close();
  for (auto& lane : lanes_) {
    if (lane->driver.converting() && !lane->driver.stopRequested()) lane->driver.stop();
  }
}

namespace {

// Polls the encoders until all have ended or the time is up.
void WaitForEncoders(std::vector<ToolRunner*>& runners, int milliseconds) {
  constexpr int kPollMs = 10;
  for (int waited = 0; waited < milliseconds; waited += kPollMs) {
    bool anyLeft = false;
    for (ToolRunner* runner : runners) anyLeft = (runner->process != kNoHandle && PollTool(*runner) == 0) || anyLeft;
    if (!anyLeft) return;
    PlatformSleep(kPollMs);
  }
}

}  // namespace

void ConversionLanes::abandon() {
  std::vector<ToolRunner*> runners;
  for (auto& lane : lanes_) runners.push_back(&lane->driver.encoderRunner());
  for (ToolRunner* runner : runners) AskToolToEnd(*runner);
  WaitForEncoders(runners, 3000);
  for (ToolRunner* runner : runners) TerminateTool(*runner);
  WaitForEncoders(runners, 2000);
}

void ConversionLanes::onEncoderTimer() {
  if (asking_) return;
  for (auto& lane : lanes_) lane->driver.onEncoderTimer();
}

void ConversionLanes::onProgressTimer() {
  for (auto& lane : lanes_) lane->driver.onProgressTimer();
  if (runningCount() == 0) return;  // a tick due when the run ended
  clock_.tick(batchPercent());
  if (singleLaneView() == nullptr) showBatchProgress();
}

bool ConversionLanes::converting() const {
  return std::any_of(lanes_.begin(), lanes_.end(), [](const auto& lane) { return lane->driver.converting(); });
}

int ConversionLanes::runningCount() const {
  return static_cast<int>(std::count_if(lanes_.begin(), lanes_.end(), [](const auto& lane) { return lane->running; }));
}

std::vector<JobStanding> ConversionLanes::standings() const {
  std::vector<JobStanding> standings;
  for (const JobItem* job = jobs_.head; job != nullptr; job = job->next) {
    standings.push_back({job, endedRows_.count(job->index) != 0 ? JobStage::Ended : JobStage::Waiting, 0});
  }
  for (const auto& lane : lanes_) {
    const ConversionState& state = lane->driver.state();
    if (!lane->running || state.currentJob == nullptr) continue;
    JobStanding& standing = standings[static_cast<std::size_t>(state.currentJob->index)];
    standing.stage = JobStage::Running;
    standing.encodedSeconds = state.encodedSeconds;
  }
  return standings;
}

double ConversionLanes::batchPercent() const { return BatchPercent(standings()); }

std::vector<OsHandle> ConversionLanes::encoderOutputs() const {
  std::vector<OsHandle> outputs;
  for (const auto& lane : lanes_) outputs.push_back(lane->driver.encoderRunner().outputRead);
  return outputs;
}

std::vector<OsHandle> ConversionLanes::watchedEncoderOutputs() const {
  std::vector<OsHandle> outputs;
  if (asking_) return outputs;
  for (const auto& lane : lanes_) {
    const OsHandle output = lane->driver.encoderRunner().outputRead;
    if (lane->running && output != kNoHandle) outputs.push_back(output);
  }
  return outputs;
}

void ConversionLanes::watchChanged() const {
  if (watchChanged_) watchChanged_();
}

ConversionDriver& ConversionLanes::driver(int lane) { return lanes_.at(static_cast<std::size_t>(lane))->driver; }
const ConversionDriver& ConversionLanes::driver(int lane) const {
  return lanes_.at(static_cast<std::size_t>(lane))->driver;
}
const LaneDisplay& ConversionLanes::display(int lane) const {
  return lanes_.at(static_cast<std::size_t>(lane))->display;
}
bool ConversionLanes::running(int lane) const { return lanes_.at(static_cast<std::size_t>(lane))->running; }
bool ConversionLanes::everStarted(int lane) const { return lanes_.at(static_cast<std::size_t>(lane))->everStarted; }

void ConversionLanes::showRowStatus(int row, const std::string& text) {
  if (IsResultText(text)) endedRows_.insert(row);
  view_.setRowStatus(row, text);
}

// A folder refused ends the run here, as it would one job at a time: the
// jobs converting finish, no other starts.
bool ConversionLanes::askIgnoreNotWritable(const std::string& folder) {
  asking_ = true;
  watchChanged();
  const bool ignore = view_.askIgnoreNotWritable(folder);
  asking_ = false;
  watchChanged();
  if (!ignore) queue_.close();
  return ignore;
}

// The owner's timers run while any lane's job converts.
void ConversionLanes::laneStarted(Lane& lane) {
  lane.running = true;
  lane.everStarted = true;
  lane.startOrder = ++starts_;
  lane.display.summary.clear();
  lane.display.elapsed.clear();
  lane.display.remaining.clear();
  if (jobStarted_ && lane.driver.state().currentJob != nullptr) jobStarted_(*lane.driver.state().currentJob);
  if (singleLaneView() == nullptr) showNewestJob();
  if (runningCount() == 1) view_.startTimers();
  watchChanged();
}

void ConversionLanes::laneStopped(Lane& lane) {
  lane.running = false;
  watchChanged();
  if (runningCount() == 0) {
    view_.stopTimers();
  } else if (singleLaneView() == nullptr) {
    showNewestJob();
  }
}

void ConversionLanes::laneConverting(bool on) {
  if (on == shownConverting_ || (!on && converting())) return;
  shownConverting_ = on;
  if (singleLaneView() == nullptr) {
    // The batch's bar starts empty; at its end the display is idle again.
    if (on) view_.setProgressPosition(0);
    if (!on) ShowRunEnded(view_);
  }
  view_.setConverting(on);
}

// The name and extension change of the job that started last among those
// converting.
void ConversionLanes::showNewestJob() {
  const Lane* newest = nullptr;
  for (const auto& lane : lanes_) {
    if (lane->running && (newest == nullptr || lane->startOrder > newest->startOrder)) newest = lane.get();
  }
  if (newest == nullptr) return;
  view_.setFileName(newest->display.fileName);
  view_.setExtensionChange(newest->display.extensionChange);
}

// Nothing written yet: the remaining time and the bar stay as they are.
void ConversionLanes::showBatchProgress() {
  view_.setSummary(SummaryText(clock_.percent(), endedCount(), view_.rowCount()));
  view_.setElapsed(clock_.elapsedText());
  const std::string remaining = clock_.remainingText();
  if (remaining.empty()) return;
  view_.setRemaining(remaining);
  view_.setProgressPosition(ProgressPosition(static_cast<float>(clock_.percent())));
}


}  // namespace orva
