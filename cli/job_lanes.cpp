#include "cli/job_lanes.h"

#include "cli/interrupt.h"
#include "cli/paced_run.h"
#include "cli/terminal_view.h"
#include "engine/batch_progress.h"
#include "engine/conversion_texts.h"

namespace orva {

JobItem* JobQueue::take() {
  if (closed_) return nullptr;
  JobItem* job = jobs_.at(next_);
  if (job != nullptr) ++next_;
  return job;
}

JobLane::JobLane(BatchTerminal& terminal, const JobList& jobs, JobQueue& queue, ReservedPaths& outputs,
                 const std::string& encoderPath, JobRecords& records)
    : terminal_(terminal), jobs_(jobs), queue_(queue), records_(records), driver_(*this, encoderPath) {
  driver_.takeJobsFrom([&queue] { return queue.take(); });
  driver_.shareOutputNames(outputs);
  driver_.passSourceFacts(true);
}

std::string JobLane::progressLine() const {
  const JobItem* job = driver_.state().currentJob;
  const std::string name = job == nullptr ? fileName_ : fileName_ + ChosenExtension(*job->profile);
  return summary_ + "  elapsed " + (elapsed_.empty() ? kIdleClock : elapsed_) + "  remaining " +
         (remaining_.empty() ? "--:--:--" : remaining_) + "  " + name;
}

void JobLane::setRowStatus(int row, const std::string& text) {
  if (!IsResultText(text)) return;
  const JobItem* job = jobs_.at(row);
  if (job != nullptr && !terminal_.hasResult(row)) records_.ended(*job, text);
  terminal_.addResult(row, text);
}

bool JobLane::askIgnoreNotWritable(const std::string& folder) {
  const bool ignore = terminal_.askIgnoreNotWritable(folder);
  if (!ignore) queue_.close();  // the run ends here, as it would one job at a time
  return ignore;
}

void JobLane::startTimers() {
  if (driver_.state().currentJob != nullptr) records_.started(*driver_.state().currentJob);
  timersRunning_ = true;
  everStarted_ = true;
  summary_.clear();
  elapsed_.clear();
  remaining_.clear();
}

namespace {

bool AnyRunning(const JobLanes& lanes) {
  for (const auto& lane : lanes) {
    if (lane->driver().converting()) return true;
  }
  return false;
}

void StopEveryLane(JobLanes& lanes) {
  for (auto& lane : lanes) {
    if (lane->driver().converting() && !lane->driver().stopRequested()) lane->driver().stop();
  }
}

void StartIdleLanes(JobLanes& lanes, JobQueue& queue) {
  for (auto& lane : lanes) {
    if (lane->driver().converting()) continue;
    JobItem* job = queue.take();
    if (job == nullptr) return;
    lane->driver().convert(job);
  }
}

std::vector<OsHandle> EncoderOutputs(JobLanes& lanes) {
  std::vector<OsHandle> outputs;
  for (auto& lane : lanes) outputs.push_back(lane->driver().encoderRunner().outputRead);
  return outputs;
}

std::vector<JobStanding> Standings(const JobLanes& lanes, const JobList& jobs, const BatchTerminal& terminal) {
  std::vector<JobStanding> standings;
  for (const JobItem* job = jobs.head; job != nullptr; job = job->next) {
    standings.push_back({job, terminal.hasResult(job->index) ? JobStage::Ended : JobStage::Waiting, 0});
  }
  for (const auto& lane : lanes) {
    const ConversionState& state = lane->driver().state();
    if (!lane->running() || state.currentJob == nullptr) continue;
    JobStanding& standing = standings[static_cast<std::size_t>(state.currentJob->index)];
    standing.stage = JobStage::Running;
    standing.encodedSeconds = state.encodedSeconds;
  }
  return standings;
}

void ShowProgress(const JobLanes& lanes, const JobList& jobs, BatchTerminal& terminal, BatchClock& clock) {
  clock.tick(BatchPercent(Standings(lanes, jobs, terminal)));
  std::vector<std::string> lines;
  for (const auto& lane : lanes) {
    if (lane->running()) lines.push_back(lane->progressLine());
  }
  const std::string remaining = clock.remainingText();
  lines.push_back(clock.summaryText(terminal.resultCount(), jobs.count()) + "  elapsed " + clock.elapsedText() +
                  "  remaining " + (remaining.empty() ? "--:--:--" : remaining));
  terminal.showProgress(lines);
}

}  // namespace

bool RunLanes(JobLanes& lanes, JobQueue& queue, FileMeasuring& files, BatchTerminal& terminal,
              const JobList& jobs) {
  PeriodicTimer encoderPoll{std::chrono::milliseconds(kEncoderPollMs), Clock::now()};
  PeriodicTimer progressTick{std::chrono::milliseconds(kProgressTickMs), Clock::now()};
  BatchClock clock;
  for (;;) {
    // Every encoder is asked to finish its file, also when we leave.
    if (InterruptCount() >= 1) {
      queue.close();
      StopEveryLane(lanes);
    }
    if (InterruptCount() >= 2) return false;
    StartIdleLanes(lanes, queue);
    const bool measuring = files.pending() && !queue.closed();
    if (!AnyRunning(lanes)) {
      if (!measuring) return true;
      files.measureNext();  // nothing converts until a job is measured
      continue;
    }
    // Output from an encoder, or its end, is handled at once; measuring
    // the files left takes the place of the wait.
    bool encoderSpoke = false;
    if (measuring) {
      files.measureNext();
    } else {
      encoderSpoke = PlatformWaitAnyReadable(EncoderOutputs(lanes),
                                             MillisecondsUntil(std::min(encoderPoll.next, progressTick.next)));
    }
    const Clock::time_point now = Clock::now();
    if (encoderSpoke || encoderPoll.due(now)) {
      for (auto& lane : lanes) lane->driver().onEncoderTimer();
    }
    if (progressTick.due(now)) {
      for (auto& lane : lanes) lane->driver().onProgressTimer();
      ShowProgress(lanes, jobs, terminal, clock);
    }
  }
}

}  // namespace orva
