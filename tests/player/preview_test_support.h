// Helpers of the preview tests: a view that records what it is shown the way
// the window's state routine shows it, hand-made jobs, and the fake player's
// script and records.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/job_item.h"
#include "player/preview_controller.h"
#include "player/preview_view.h"
#include "scratch_folder.h"

namespace orva::test {

using Texts = std::pair<std::string, std::string>;  // text and caption

class RecordingPreviewView : public PreviewView {
 public:
  void setPreviewLoaded(bool on) override;
  void setPreviewPlaying(bool on) override;
  bool converting() const override { return convertingSet; }
  void setSeekPosition(int position) override { seekPosition = position; }
  void setVolumePosition(int position) override { volumePosition = position; }
  void setTimeLabel(const std::string& text) override { timeLabel = text; }
  void setBeginLabel(const std::string& text) override { beginLabel = text; }
  void setEndLabel(const std::string& text) override { endLabel = text; }
  bool askYesNo(const std::string& text, const std::string& caption) override;
  void showMessage(const std::string& text, const std::string& caption) override;
  void startPlayerWatchTimer() override { watchTimer = true; }
  void stopPlayerWatchTimer() override { watchTimer = false; }
  void startPlayClockTimer() override { clockTimer = true; }
  void stopPlayClockTimer() override { clockTimer = false; }
  void invalidatePreview() override;
  void showFrame(const PreviewFrame& frame) override;
  int focusedRow() const override { return focused; }
  void selectRow(int row) override { selectedRows.push_back(row); }
  void refreshJobRow(JobItem& job) override { refreshedRows.push_back(job.index); }

  // What the window shows.
  bool playShown = true;
  bool pauseShown = false;
  bool slidersEnabled = false;
  int seekPosition = 0;
  int volumePosition = 0;
  std::string timeLabel, beginLabel, endLabel;
  bool watchTimer = false;
  bool clockTimer = false;
  int invalidations = 0;
  // The pictures shown since the last invalidation, their first pixel read
  // as they arrived.
  std::vector<PreviewFrame> frames;
  std::vector<std::uint32_t> firstPixels;

  // What the window was asked.
  std::vector<Texts> questions;
  std::vector<Texts> messages;
  std::vector<int> selectedRows;
  std::vector<int> refreshedRows;
  // Runs while a question is open, like the window's modal loop.
  std::function<void()> duringQuestion;

  // What the window answers.
  bool convertingSet = false;
  bool answer = true;
  int focused = -1;
};

// `count` untrimmed jobs of `duration` seconds on "clip0.avi", ... in the
// folder, freed with the object.
class PreviewJobs {
 public:
  PreviewJobs(const ScratchFolder& folder, int count, double duration);
  ~PreviewJobs() { list.freeAll(); }
  PreviewJobs(const PreviewJobs&) = delete;
  PreviewJobs& operator=(const PreviewJobs&) = delete;
  JobItem& operator[](int position) const { return *list.at(position); }

  JobList list;
};

// The fake player of one test: its script, and its records in a scratch
// folder of its own.
class FakePlayer {
 public:
  explicit FakePlayer(const std::string& script = "");
  static std::string program();
  std::vector<std::string> arguments() const;
  // The standard input it has recorded so far.
  std::string input() const;
  // Waits until its recorded input ends with `tail` (or the limit passes).
  std::string inputEndingWith(const std::string& tail, int limitMs = 5000) const;
  // Process ids of the player and of its helper, once they wrote them.
  long pid(int limitMs = 5000) const;
  long helperPid(int limitMs = 5000) const;

 private:
  ScratchFolder folder_;
};

// A controller on the fake player with a 640x360 preview area in window 77.
struct PreviewFixture {
  explicit PreviewFixture(const std::string& script = "", int jobCount = 3, double duration = 120);
  ScratchFolder media;
  RecordingPreviewView view;
  PreviewJobs jobs;
  FakePlayer player;
  PreviewController controller;
};

// Plays the 50 ms watch (faster than real time) until `done` holds; false
// when it still does not after `limitMs`.
bool WatchUntil(PreviewController& controller, const std::function<bool()>& done, int limitMs = 5000);

// Whether a process runs (a zombie waiting to be reaped does not).
bool ProcessRuns(long pid);

}  // namespace orva::test
