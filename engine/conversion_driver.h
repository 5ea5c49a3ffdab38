// Converts the job list one job after the other with the encoder program,
// judging each job from the encoder's "time=" reports and keeping a
// ConversionView informed. Paced by its owner's two timers.
#pragma once

#include <functional>
#include <string>
#include <unordered_set>

#include "app/job_item.h"
#include "engine/conversion_state.h"
#include "engine/conversion_view.h"
#include "engine/output_naming.h"
#include "engine/tool_runner.h"

namespace orva {

// The encoder's output digest: append the chunk, then read every line it
// completes: the seconds written from the newest "time=", the name of the
// file written when the encoder had to take another, and its last message.
void EncoderOnOutput(ToolRunner& runner);
// Releases the line assembly after the encoder has ended.
void EncoderOnFinish(ToolRunner& runner);

extern const ToolDescriptor kEncoderDescriptor;

// Results of StartNextJob (and of Convert).
inline constexpr int kJobStarted = 0;
inline constexpr int kNoJobStarted = 1;
inline constexpr int kRunDeclined = 2;

class ConversionDriver {
 public:
  ConversionDriver(ConversionView& view, const std::string& encoderProgramPath);
  ~ConversionDriver();
  ConversionDriver(const ConversionDriver&) = delete;
  ConversionDriver& operator=(const ConversionDriver&) = delete;

  // The Convert command: ends the preview, then starts the chain from
  // `firstJob`. kJobStarted when a run began (and Converting is on).
  int convert(JobItem* firstJob);
  // The Stop command: asks the running encoder to quit; the job is judged
  // when it ends and no further job starts.
  void stop();

  // The 50 ms timer: polls the encoder, judges an ended job, goes on.
  void onEncoderTimer();
  // The 100 ms timer: percentage, elapsed and remaining time, bar.
  void onProgressTimer();

  // Starts the first job of the chain from `job` that can be launched. A
  // run takes each job once, whatever its result: the chain ends at a job
  // this run has already taken.
  int startNextJob(JobItem* job);

  // For a driver converting beside others of the same batch: the job after
  // one that ended (or could not be launched) is taken from `nextJob`
  // instead of following the list; nullptr ends the run.
  void takeJobsFrom(std::function<JobItem*()> nextJob) { nextJob_ = std::move(nextJob); }
  // Outputs in `reserved` count as taken when a job is named; the running
  // job's output is in it from its launch to its end, so that drivers
  // sharing the set never pick one name twice.
  void shareOutputNames(ReservedPaths& reserved) { reserved_ = &reserved; }
  // Hands the probe's source facts to the encoder on its command line.
  void passSourceFacts(bool pass) { passSourceFacts_ = pass; }

  bool converting() const { return converting_; }
  bool stopRequested() const { return stopRequested_; }
  const ConversionState& state() const { return state_; }
  ToolRunner& encoderRunner() { return runner_; }

 private:
  void resetForNewRun();
  bool launchEncoder(JobItem& job);
  void showJobStarted(const JobItem& job);
  void judgeEndedJob();
  void endRun();
  JobItem* following(JobItem* job) const { return nextJob_ ? nextJob_() : job->next; }
  void releaseOutputName();

  ConversionView& view_;
  ToolRunner runner_;
  ConversionState state_;
  int elapsedTicks_ = 0;
  bool stopRequested_ = false;
  bool converting_ = false;
  bool encoderRunning_ = false;
  std::function<JobItem*()> nextJob_;
  // The jobs this run has started or tried to start; emptied when a run begins.
  std::unordered_set<const JobItem*> takenThisRun_;
  ReservedPaths* reserved_ = nullptr;
  std::string reservedPath_;  // the running job's entry in `reserved_`
  bool passSourceFacts_ = false;
};

}  // namespace orva
