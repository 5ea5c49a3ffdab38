// One file played by libmpv, driven by the window's commands, reporting its
// position as "ct:" lines.
#pragma once

#include <functional>
#include <string>

#include "tools/player/player_commands.h"
#include "tools/player/player_options.h"

struct mpv_handle;
struct mpv_event;

namespace orva::player {

// Where the player draws and sounds: the window's screen and speakers, or
// nothing at all (for runs without a display or a sound device).
// Screen: a picture (in the given window, or one of its own) and sound.
// SoundOnly: no display to draw on; sound and positions only.
// Headless: neither picture nor sound.
enum class OutputMode { Screen, SoundOnly, Headless };

class MpvPlayer {
 public:
  using LineSink = std::function<bool(const std::string&)>;  // false: nobody reads any more

  MpvPlayer(LineSink sink, std::function<void()> wakeup);
  ~MpvPlayer();
  MpvPlayer(const MpvPlayer&) = delete;
  MpvPlayer& operator=(const MpvPlayer&) = delete;

  // Creates the library instance and starts loading the file. False with a
  // reason in `error` when the library cannot be set up.
  bool start(const PlayerOptions& options, OutputMode mode, std::string& error);

  // Handles every event that is waiting. Returns false once the player has
  // ended: the end of the file with -autoexit, a file that cannot be
  // played, or a window that no longer reads the position.
  bool handleEvents();

  void obey(const PlayerCommand& command);

  // Repeats the last position so that a window that has gone away is noticed
  // even while the picture stands still.
  bool repeatPosition();

  int exitCode() const { return exitCode_; }

 private:
  bool setOptions(const PlayerOptions& options, OutputMode mode, std::string& error);
  void handle(const mpv_event& event);
  void onFileEnded(const mpv_event& event);
  void onPropertyChange(const mpv_event& event);
  void report(double seconds);
  void reportEnd();
  void seekTo(int tenThousandths);
  void redraw();
  void setVolume(int volume);
  void setPaused(bool paused);
  bool isPaused() const;
  double readDouble(const char* property) const;
  void finish(int code);

  LineSink sink_;
  std::function<void()> wakeup_;
  mpv_handle* mpv_ = nullptr;
  bool exitAtEnd_ = false;
  bool loaded_ = false;
  int pendingSeek_ = -1;       // a seek that arrived before the file was loaded
  bool pictureShown_ = false;  // no position is reported before the first frame
  double lastPosition_ = 0;
  double duration_ = 0;        // kept: it is gone once the file has ended
  bool zoomNudged_ = false;    // see redraw()
  bool running_ = true;
  int exitCode_ = 0;
};

}  // namespace orva::player
