// What the preview player and the trim range show and ask in the window.
// The main window implements it with its widgets, the tests with a recorder.
// Texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>

#include "app/job_item.h"

namespace orva {

// A picture of the player in shared memory, 4 bytes a pixel: blue, green,
// red, 255.
// Valid until the next picture is shown or the preview is invalidated.
struct PreviewFrame {
  const std::uint8_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
};

class PreviewView {
 public:
  virtual ~PreviewView() = default;

  // The window's state bit PreviewLoaded. On: both sliders enabled. Off:
  // Pause hidden, Play shown, both sliders disabled.
  virtual void setPreviewLoaded(bool loaded) = 0;
  // The window's state bit PreviewPlaying. On: Play hidden, Pause shown.
  // Off: Pause hidden, Play shown.
  virtual void setPreviewPlaying(bool playing) = 0;
  // Whether the window's state bit Converting is set.
  virtual bool converting() const = 0;

  // Slider positions, already limited to their ranges: seek 0..10000,
  // volume 0..256. Each call repaints its slider.
  virtual void setSeekPosition(int position) = 0;
  virtual void setVolumePosition(int position) = 0;
  // The time label ("position / duration") and the begin and end labels.
  virtual void setTimeLabel(const std::string& text) = 0;
  virtual void setBeginLabel(const std::string& text) = 0;
  virtual void setEndLabel(const std::string& text) = 0;

  // A Yes/No question owned by the main window; true for Yes.
  virtual bool askYesNo(const std::string& text, const std::string& caption) = 0;
  // A message with an OK button owned by the main window.
  virtual void showMessage(const std::string& text, const std::string& caption) = 0;

  // The 50 ms player watch: while it runs the owner calls
  // PreviewController::onPlayerWatchTimer at that period.
  virtual void startPlayerWatchTimer() = 0;
  virtual void stopPlayerWatchTimer() = 0;
  // The 1 s play clock: while it runs the owner calls
  // PreviewController::onPlayClockTimer every second.
  virtual void startPlayClockTimer() = 0;
  virtual void stopPlayClockTimer() = 0;

  // The player has gone: drop its picture and repaint the preview area (black).
  virtual void invalidatePreview() = 0;
  // The player has a new picture: paint it over the preview area.
  virtual void showFrame(const PreviewFrame& frame) = 0;

  // The first row of the job list with the focused state, -1 when none.
  virtual int focusedRow() const = 0;
  // Gives the row the selected and focused states and the list the
  // keyboard focus.
  virtual void selectRow(int row) = 0;
  // The job's trim range changed: rewrite its row and size estimate with
  // the current profile.
  virtual void refreshJobRow(JobItem& job) = 0;
};

}  // namespace orva
