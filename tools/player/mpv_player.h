// One file played by libmpv, driven by the window's commands, reporting its
// position as "ct:" lines.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "tools/player/frame_ring.h"
#include "tools/player/player_commands.h"
#include "tools/player/player_options.h"

struct mpv_handle;
struct mpv_event;
struct mpv_render_context;

namespace orva::player {

// Where the picture goes: onto the screen (into the given window, or one of
// its own), into the picture memory the window handed over, or nowhere (no
// display to draw on, or a run that must show nothing).
enum class PictureWay { Screen, Frames, None };

struct OutputMode {
  PictureWay picture = PictureWay::Screen;
  bool sound = true;  // false: no sound device is touched
};

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
  bool startFrames(const PlayerOptions& options, std::string& error);
  void drawFrame();
  void setPaused(bool paused);
  bool isPaused() const;
  double readDouble(const char* property) const;
  void finish(int code);

  LineSink sink_;
  std::function<void()> wakeup_;
  mpv_handle* mpv_ = nullptr;
  mpv_render_context* render_ = nullptr;  // with PictureWay::Frames
  std::unique_ptr<FrameRing> frames_;
  int frameWidth_ = 0, frameHeight_ = 0;
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
