// Helpers of the driver tests: a view that records what it is shown, a
// scratch folder, hand-made jobs and a loop that plays the two timers.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/job_item.h"
#include "engine/conversion_driver.h"
#include "engine/conversion_lanes.h"
#include "engine/conversion_view.h"
#include "scratch_folder.h"

namespace orva::test {

class RecordingView : public ConversionView {
 public:
  int rowCount() const override { return rows; }
  void setRowStatus(int row, const std::string& text) override;
  void setFileName(const std::string& text) override { fileName = text; }
  void setExtensionChange(const std::string& text) override { extensionChange = text; }
  void setElapsed(const std::string& text) override { elapsed = text; }
  void setRemaining(const std::string& text) override { remaining = text; }
  void setSummary(const std::string& text) override;
  void setProgressPosition(int position) override { positions.push_back(position); }
  void setConverting(bool on) override { convertingShown.push_back(on); }
  bool askIgnoreNotWritable(const std::string& folder) override;
  void startTimers() override { timersRunning = true; }
  void stopTimers() override { timersRunning = false; }
  void stopPreview() override { ++previewStops; }

  // The newest status of a row; empty when it never got one.
  std::string status(int row) const;
  // The results a row was given, run after run, without the percentages.
  std::vector<std::string> results(int row) const;

  int rows = 0;
  std::map<int, std::vector<std::string>> statuses;
  std::vector<std::string> summaries;
  std::string fileName, extensionChange, elapsed, remaining;
  std::vector<int> positions;
  std::vector<bool> convertingShown;
  std::vector<std::string> questions;
  bool answer = false;
  bool timersRunning = false;
  int previewStops = 0;
  // Called after a row got a status; lets a test act between two jobs.
  std::function<void(int row, const std::string& text)> onRowStatus;
};

// `count` jobs on sources "clip0.avi", ... in `folder`, each `duration`
// seconds long and untrimmed, with the profile in use; the view gets the
// row count. Freed with the object.
class TestJobs {
 public:
  TestJobs(const ScratchFolder& folder, int count, double duration, RecordingView& view);
  ~TestJobs() { list.freeAll(); }
  TestJobs(const TestJobs&) = delete;
  TestJobs& operator=(const TestJobs&) = delete;
  JobItem& operator[](int position) const { return *list.at(position); }
  JobItem* first() const { return list.head; }

  JobList list;
};

// The script the fake encoders read (see tests/driver/fakes).
void SetFakeScript(const std::string& script);
// The script of the encoder converting the source named `source`
// ("clip1.avi"), for jobs converting side by side; "" removes it.
void SetFakeScriptFor(const std::string& source, const std::string& script);

// Plays the 50 ms and 100 ms timers (faster than real time) of a driver or
// of lanes while they run; `onTick` runs before every encoder poll. False
// after `limitMs` of waiting.
template <typename Paced>
bool RunWhileTimersRun(Paced& paced, RecordingView& view, const std::function<void()>& onTick = {},
                       int limitMs = 10000);

// Polls the encoder until it has reported `seconds` (or the limit passes).
bool PollUntilEncoded(ConversionDriver& driver, double seconds, int limitMs = 10000);

}  // namespace orva::test
