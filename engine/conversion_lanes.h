// Several jobs of one batch converting at once, each in a lane of its own:
// a conversion driver with its own encoder. The lanes take the jobs in list
// order from one queue, share the output names in use and report to one
// view. Paced by the owner's two timers, like a single driver.
//
// With one lane the view sees exactly what a single driver shows: the
// running job's summary, clocks, bar and name. With several the rows still
// show their own percentages and results, and the summary, clocks and bar
// are the batch's.
#pragma once

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/job_item.h"
#include "engine/batch_progress.h"
#include "engine/conversion_driver.h"
#include "engine/conversion_view.h"
#include "engine/job_queue.h"
#include "engine/output_naming.h"
#include "engine/process.h"

namespace orva {

// As many lanes as chosen (0: as many as processors may be used), never
// more than there are jobs, at least one.
int LaneCountFor(int chosen, int jobCount);

// What a lane's driver wrote last about its running job.
struct LaneDisplay {
  std::string fileName, extensionChange, summary, elapsed, remaining;
};

class ConversionLanes {
 public:
  ConversionLanes(ConversionView& view, const JobList& jobs, const std::string& encoderPath, int laneCount = 1);
  ~ConversionLanes();
  ConversionLanes(const ConversionLanes&) = delete;
  ConversionLanes& operator=(const ConversionLanes&) = delete;

  // The number of lanes, from the next run on; kept while converting.
  void setLaneCount(int count);
  int laneCount() const { return static_cast<int>(lanes_.size()); }
  // Hands the probe's source facts to every encoder on its command line.
  void passSourceFacts(bool pass);
  // Called with every job whose encoder a lane has launched.
  void onJobStarted(std::function<void(const JobItem&)> started) { jobStarted_ = std::move(started); }
  // Called whenever watchedEncoderOutputs() changes: an encoder launched or
  // ended, a folder question opened or closed.
  void onWatchChanged(std::function<void()> changed) { watchChanged_ = std::move(changed); }

  // The Convert command: ends the preview, then starts a run over the list
  // from its first job, a job in every lane while jobs are left.
  // kJobStarted when a run began, kRunDeclined when none began because a
  // folder question was answered No, else kNoJobStarted.
  int convert();
  // Hands the next jobs of the queue to the lanes that are free, for a
  // list that grows while the run goes on. Result as for convert().
  int startIdleLanes();
  // The Stop command for every running job: each encoder finishes its
  // shortened file, each job is judged as it ends, no job starts after.
  void stop();
  // Leaving: every encoder is asked to end (it removes its unfinished
  // file) and waited for; one that does not end in time is forced.
  void abandon();
  // No job is handed out any more.
  void closeQueue() { queue_.close(); }
  bool queueClosed() const { return queue_.closed(); }

  // The encoder poll, due at once when a watched encoder output is
  // readable: polls every encoder; a lane whose job ended goes on with the
  // next job of the queue.
  void onEncoderTimer();
  // The 100 ms timer: every running row's percentage, and the batch's
  // share, clocks and bar.
  void onProgressTimer();

  bool converting() const;
  // Jobs of this run with a result, whatever it is.
  int endedCount() const { return static_cast<int>(endedRows_.size()); }
  // The batch's share written, in per cent.
  double batchPercent() const;
  const BatchClock& clock() const { return clock_; }
  // The encoders' output pipes, to wait on while nothing is due.
  std::vector<OsHandle> encoderOutputs() const;
  // The output pipes of the encoders running now, whose output or end is
  // worth an onEncoderTimer() at once; none while a folder question is
  // open, as no lane moves on meanwhile.
  std::vector<OsHandle> watchedEncoderOutputs() const;

  ConversionDriver& driver(int lane);
  const ConversionDriver& driver(int lane) const;
  const LaneDisplay& display(int lane) const;
  // The lane's job is converting: its encoder runs.
  bool running(int lane) const;
  bool everStarted(int lane) const;

 private:
  class Lane;
  friend class Lane;

  std::unique_ptr<Lane> makeLane();
  // The view gets the running job's own display: there is one lane.
  ConversionView* singleLaneView() { return lanes_.size() == 1 ? &view_ : nullptr; }
  int runningCount() const;
  std::vector<JobStanding> standings() const;

  // What the lanes report, as their drivers tell them.
  void showRowStatus(int row, const std::string& text);
  bool askIgnoreNotWritable(const std::string& folder);
  void laneStarted(Lane& lane);
  void laneStopped(Lane& lane);
  void laneConverting(bool on);
  void watchChanged() const;

  void showNewestJob();
  void showBatchProgress();

  ConversionView& view_;
  const JobList& jobs_;
  std::string encoderPath_;
  bool passSourceFacts_ = false;
  JobQueue queue_;
  ReservedPaths outputsInUse_;
  std::vector<std::unique_ptr<Lane>> lanes_;
  std::function<void(const JobItem&)> jobStarted_;
  std::function<void()> watchChanged_;
  std::set<int> endedRows_;
  BatchClock clock_;
  long starts_ = 0;
  bool shownConverting_ = false;
  // A lane's folder question is open: no lane moves on meanwhile.
  bool asking_ = false;
};

}  // namespace orva
