// The preview of one job in the window: starts and stops the player program,
// sends it its commands, follows its position reports, and sets the job's
// trim range from that position. Keeps a PreviewView informed; paced by the
// view's two timers and the window's clicks.
#pragma once

#include <cstdint>
#include <string>

#include "app/job_item.h"
#include "engine/tool_runner.h"
#include "player/player_launch.h"
#include "player/shared_frames.h"
#include "player/preview_view.h"
#include "player/trim_range.h"

namespace orva {

// Results of StartPreview.
inline constexpr int kPreviewStarted = 0;
inline constexpr int kPreviewNotStarted = 1;

inline constexpr int kSeekRange = 10000;
inline constexpr int kVolumeRange = 256;

class PreviewController {
 public:
  PreviewController(PreviewView& view, const std::string& playerProgramPath,
                    JobList& jobs = TheJobList());
  // Ends a player that still runs, without touching the view.
  ~PreviewController();
  PreviewController(const PreviewController&) = delete;
  PreviewController& operator=(const PreviewController&) = delete;

  // The preview area's native window and its size, measured once.
  void setPreviewWindow(std::int32_t windowHandle, int width, int height);
  // The player hands its pictures over in shared memory instead, sized to
  // the preview area in device pixels. False when no such memory can be
  // had; the player then gets neither window nor memory.
  bool setPreviewFrames(int width, int height);
  // The preview area's size in device pixels changed (another scale): a
  // running player is told, the next one starts at it.
  void setPreviewSize(int width, int height);

  // Plays the current job from its trim begin, paused or playing.
  int StartPreview(bool startPaused);
  // Ends the player and waits, pumping messages, until it has gone: asked
  // first, forced after a while, given up after a bounded wait.
  void StopPreview();

  // Play button: resumes a paused player, or starts one on the current job
  // (or the focused row's job). Does nothing while converting.
  void play();
  // Pause button: pauses a playing player.
  void pause();
  // Seek slider released at 0..10000; volume slider released at 0..256.
  void onSeekSlider(int position);
  void onVolumeSlider(int volume);
  // Right click on the begin or end label: seeks to that time and stays
  // paused there.
  void SeekPreviewTo(double seconds);
  // The preview area was painted: the player redraws its picture.
  void onPreviewPainted();

  // The 50 ms watch: reads the player's reports, notices its end.
  void onPlayerWatchTimer();
  // The 1 s clock: the time label and the seek slider show the position the
  // player reported last.
  void onPlayClockTimer();

  // Time label and seek slider, and with `withRange` the begin/end labels.
  void RefreshPlayerDisplay(bool withRange);

  // A mouse click on a list row (-1: on no row).
  void onRowClick(int row);
  // Files were added: `job` becomes the current job and is loaded paused.
  void loadJobPaused(JobItem* job);
  // A job is about to be freed: drop any reference to it.
  void forgetJob(const JobItem* job);

  // Click on the begin or end label: the position becomes that bound after
  // a question.
  void setBeginFromPosition();
  void setEndFromPosition();
  // SetTrimRange on the current job; the job's row is refreshed when the
  // range was applied.
  int setTrimRange(double begin, double end);

  bool loaded() const { return loaded_; }
  bool playing() const { return playing_; }
  JobItem* current_job() const { return current_job_; }
  int clock_seconds() const { return clock_seconds_; }
  double currentTime() const { return launch_.current_time; }
  int volume() const { return volume_; }
  const ToolRunner& playerRunner() const { return runner_; }

 private:
  void resume();
  void setPlaying(bool playing);
  void endPlayback();
  void showNewestFrame();
  bool waitForEnd(OsHandle player, int milliseconds);
  void waitWithMessages(int cycles, int milliseconds);

  PreviewView& view_;
  JobList& jobs_;
  ToolRunner runner_;
  PlayerLaunch launch_;
  SharedFrames frames_;
  JobItem* current_job_ = nullptr;
  int clock_seconds_ = 0;
  int volume_ = kVolumeRange;
  bool loaded_ = false;
  bool playing_ = false;
};

}  // namespace orva
