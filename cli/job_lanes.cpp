#include "cli/job_lanes.h"

#include <algorithm>
#include <vector>

#include "cli/interrupt.h"
#include "cli/paced_run.h"
#include "engine/conversion_texts.h"
#include "engine/output_naming.h"

namespace orva {

void LanesTerminal::setRowStatus(int row, const std::string& text) {
  if (!IsResultText(text)) return;
  const JobItem* job = jobs_.at(row);
  if (job != nullptr && !terminal_.hasResult(row)) records_.ended(*job, text);
  terminal_.addResult(row, text);
}

namespace {

// A running job's summary, clocks and output name.
std::string LaneLine(const ConversionLanes& lanes, int lane) {
  const LaneDisplay& display = lanes.display(lane);
  const JobItem* job = lanes.driver(lane).state().currentJob;
  const std::string name = job == nullptr ? display.fileName : display.fileName + ChosenExtension(*job->profile);
  return display.summary + "  elapsed " + (display.elapsed.empty() ? kIdleClock : display.elapsed) +
         "  remaining " + (display.remaining.empty() ? "--:--:--" : display.remaining) + "  " + name;
}

void ShowProgress(const ConversionLanes& lanes, const JobList& jobs, BatchTerminal& terminal) {
  std::vector<std::string> lines;
  for (int lane = 0; lane < lanes.laneCount(); ++lane) {
    if (lanes.running(lane)) lines.push_back(LaneLine(lanes, lane));
  }
  const BatchClock& clock = lanes.clock();
  const std::string remaining = clock.remainingText();
  lines.push_back(clock.summaryText(terminal.resultCount(), jobs.count()) + "  elapsed " + clock.elapsedText() +
                  "  remaining " + (remaining.empty() ? "--:--:--" : remaining));
  terminal.showProgress(lines);
}

}  // namespace

bool RunLanes(ConversionLanes& lanes, FileMeasuring& files, BatchTerminal& terminal, const JobList& jobs) {
  PeriodicTimer encoderPoll{std::chrono::milliseconds(kEncoderPollMs), Clock::now()};
  PeriodicTimer progressTick{std::chrono::milliseconds(kProgressTickMs), Clock::now()};
  for (;;) {
    // Every encoder is asked to finish its file, also when we leave.
    if (InterruptCount() >= 1) lanes.stop();
    if (InterruptCount() >= 2) return false;
    lanes.startIdleLanes();
    const bool measuring = files.pending() && !lanes.queueClosed();
    if (!lanes.converting()) {
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
      encoderSpoke = PlatformWaitAnyReadable(lanes.encoderOutputs(),
                                             MillisecondsUntil(std::min(encoderPoll.next, progressTick.next)));
    }
    const Clock::time_point now = Clock::now();
    if (encoderSpoke || encoderPoll.due(now)) lanes.onEncoderTimer();
    if (progressTick.due(now)) {
      lanes.onProgressTimer();
      ShowProgress(lanes, jobs, terminal);
    }
  }
}

}  // namespace orva
