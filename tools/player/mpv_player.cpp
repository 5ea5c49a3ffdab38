#include "tools/player/mpv_player.h"

#include <mpv/client.h>
#include <mpv/render.h>

#include <cstdio>
#include <span>
#include <string>

#include "tools/player/position_line.h"
#include "tools/player/volume_curve.h"
#include "engine/number_text.h"

namespace orva::player {

namespace {

constexpr int kExitUnplayable = 1;

// A zoom (as a power of two) that changes no pixel of any picture.
constexpr double kInvisibleZoom = 1e-9;

enum PropertyId : unsigned long long { kTimePosition = 1, kEndReached, kDuration };

struct Setting {
  const char* name;
  const char* value;
};

// The player is a picture inside someone else's window: no input of its own
// (clicks must reach the window), no on-screen text, no configuration, no
// scripts, nothing remembered between runs and nothing on the terminal.
constexpr Setting kEmbeddedSettings[] = {
    {"config", "no"},
    {"terminal", "no"},
    {"input-default-bindings", "no"},
    {"input-vo-keyboard", "no"},
    {"input-cursor", "no"},
    {"cursor-autohide", "no"},
    {"osd-level", "0"},
    {"osc", "no"},
    {"load-scripts", "no"},
    {"ytdl", "no"},
    {"resume-playback", "no"},
    {"idle", "yes"},
    {"hr-seek", "yes"},  // seeks land on the asked time, not the keyframe before it
};

// Decoding on the processor and drawing through EGL: Debian's library has no
// GLX, and probing for hardware decoders costs more start-up time than it saves.
constexpr Setting kScreenSettings[] = {
    {"vo", "gpu"},
    {"gpu-context", "x11egl"},
    {"hwdec", "no"},
};

// Pictures drawn by the library on the processor, handed to us to copy into
// the window's memory; no display is needed at all.
constexpr Setting kFramesSettings[] = {
    {"vo", "libmpv"},
    {"hwdec", "no"},
};

constexpr Setting kNoPictureSettings[] = {
    {"vo", "null"},
};

constexpr Setting kSoundSettings[] = {
    {"ao", "pipewire,pulse,alsa"},
    {"audio-fallback-to-null", "yes"},  // a machine without sound still shows the picture
};

constexpr Setting kSilentSettings[] = {
    {"ao", "null"},
};

// The pixel layout of the window's memory: blue, green, red, unused.
constexpr char kFrameFormat[] = "bgr0";

std::string Decimal(double value) { return orva::FixedText(value, 6); }

// The library leaves the fourth byte of each pixel unset; the window paints
// the pixels as they are, and an unset byte would let the desktop show
// through the picture.
void MakeOpaque(std::uint8_t* picture, const FrameAnnouncement& frame) {
  for (int y = 0; y < frame.height; ++y) {
    std::uint8_t* line = picture + static_cast<std::ptrdiff_t>(y) * frame.stride;
    for (int x = 0; x < frame.width; ++x) line[x * kFrameBytesPerPixel + 3] = 0xFF;
  }
}

std::span<const Setting> PictureSettings(PictureWay way) {
  switch (way) {
    case PictureWay::Frames: return kFramesSettings;
    case PictureWay::None: return kNoPictureSettings;
    case PictureWay::Screen: break;
  }
  return kScreenSettings;
}

}  // namespace

MpvPlayer::MpvPlayer(LineSink sink, std::function<void()> wakeup)
    : sink_(std::move(sink)), wakeup_(std::move(wakeup)) {}

MpvPlayer::~MpvPlayer() {
  // The drawing context goes first: the library requires it.
  if (render_ != nullptr) mpv_render_context_free(render_);
  if (mpv_ != nullptr) mpv_terminate_destroy(mpv_);
}

bool MpvPlayer::start(const PlayerOptions& options, OutputMode mode, std::string& error) {
  mpv_ = mpv_create();
  if (mpv_ == nullptr) {
    error = "the playback library cannot be created";
    return false;
  }
  exitAtEnd_ = options.exitAtEnd;
  if (!setOptions(options, mode, error)) return false;
  if (mpv_initialize(mpv_) < 0) {
    error = "the playback library cannot start";
    return false;
  }
  if (mode.picture == PictureWay::Frames && !startFrames(options, error)) return false;
  mpv_request_log_messages(mpv_, "error");
  mpv_observe_property(mpv_, kTimePosition, "time-pos", MPV_FORMAT_DOUBLE);
  mpv_observe_property(mpv_, kEndReached, "eof-reached", MPV_FORMAT_FLAG);
  mpv_observe_property(mpv_, kDuration, "duration", MPV_FORMAT_DOUBLE);
  mpv_set_wakeup_callback(
      mpv_, [](void* self) { static_cast<MpvPlayer*>(self)->wakeup_(); }, this);
  const char* load[] = {"loadfile", options.file.c_str(), nullptr};
  if (mpv_command(mpv_, load) < 0) {
    error = "cannot load " + options.file;
    return false;
  }
  return true;
}

bool MpvPlayer::setOptions(const PlayerOptions& options, OutputMode mode, std::string& error) {
  auto set = [&](const char* name, const std::string& value) {
    if (mpv_set_option_string(mpv_, name, value.c_str()) >= 0) return true;
    error = std::string("the playback library refuses ") + name + "=" + value;
    return false;
  };
  auto setAll = [&](std::span<const Setting> settings) {
    for (const Setting& s : settings) {
      if (!set(s.name, s.value)) return false;
    }
    return true;
  };
  if (!setAll(kEmbeddedSettings)) return false;
  if (!setAll(PictureSettings(mode.picture))) return false;
  if (!setAll(mode.sound ? std::span<const Setting>(kSoundSettings) : kSilentSettings)) return false;
  if (mode.picture == PictureWay::Screen && options.windowId != 0 &&
      !set("wid", std::to_string(options.windowId))) {
    return false;
  }
  if (mode.picture == PictureWay::Screen && options.windowId == 0 && options.width > 0 &&
      options.height > 0 &&
      !set("geometry", std::to_string(options.width) + "x" + std::to_string(options.height))) {
    return false;
  }
  // Without -autoexit the last picture stays and the player waits for seeks.
  return set("keep-open", options.exitAtEnd ? "no" : "yes") &&
         set("pause", options.startPaused ? "yes" : "no") &&
         set("volume", Decimal(LibraryVolumeFor(options.volume))) &&
         (options.startSeconds <= 0 || set("start", Decimal(options.startSeconds)));
}

// The library draws each picture only when asked; it says when one is due
// through the update callback, which wakes the loop like any event.
bool MpvPlayer::startFrames(const PlayerOptions& options, std::string& error) {
  frames_ = std::make_unique<FrameRing>(options.framesFd);
  if (!frames_->usable()) {
    error = "no picture memory at descriptor " + std::to_string(options.framesFd);
    return false;
  }
  mpv_render_param parameters[] = {
      {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_SW)},
      {MPV_RENDER_PARAM_INVALID, nullptr},
  };
  if (mpv_render_context_create(&render_, mpv_, parameters) < 0) {
    render_ = nullptr;
    error = "the playback library cannot draw into memory";
    return false;
  }
  frameWidth_ = options.width;
  frameHeight_ = options.height;
  mpv_render_context_set_update_callback(
      render_, [](void* self) { static_cast<MpvPlayer*>(self)->wakeup_(); }, this);
  return true;
}

bool MpvPlayer::handleEvents() {
  while (running_) {
    const mpv_event* event = mpv_wait_event(mpv_, 0);
    if (event->event_id == MPV_EVENT_NONE) break;
    handle(*event);
  }
  if (running_ && render_ != nullptr && (mpv_render_context_update(render_) & MPV_RENDER_UPDATE_FRAME) != 0) {
    drawFrame();
  }
  return running_;
}

// Draws the current picture into the next slot and tells the window.
void MpvPlayer::drawFrame() {
  FrameAnnouncement frame;
  std::uint8_t* slot = frames_->nextSlot(frameWidth_, frameHeight_, frame);
  if (slot == nullptr) {
    std::fprintf(stderr, "py.dat: the picture memory cannot hold %dx%d\n", frameWidth_, frameHeight_);
    return;
  }
  int size[2] = {frame.width, frame.height};
  std::size_t stride = static_cast<std::size_t>(frame.stride);
  mpv_render_param parameters[] = {
      {MPV_RENDER_PARAM_SW_SIZE, size},
      {MPV_RENDER_PARAM_SW_FORMAT, const_cast<char*>(kFrameFormat)},
      {MPV_RENDER_PARAM_SW_STRIDE, &stride},
      {MPV_RENDER_PARAM_SW_POINTER, slot},
      {MPV_RENDER_PARAM_INVALID, nullptr},
  };
  if (mpv_render_context_render(render_, parameters) < 0) return;
  MakeOpaque(slot, frame);
  if (!sink_(FormatFrameLine(frame) + "\n")) finish(0);
}

void MpvPlayer::handle(const mpv_event& event) {
  switch (event.event_id) {
    case MPV_EVENT_FILE_LOADED:
      loaded_ = true;
      if (pendingSeek_ >= 0) seekTo(pendingSeek_);
      pendingSeek_ = -1;
      break;
    case MPV_EVENT_PLAYBACK_RESTART:
      // Sent once the first picture after a start or a seek is up.
      pictureShown_ = true;
      report(readDouble("time-pos"));
      break;
    case MPV_EVENT_PROPERTY_CHANGE:
      onPropertyChange(event);
      break;
    case MPV_EVENT_END_FILE:
      onFileEnded(event);
      break;
    case MPV_EVENT_LOG_MESSAGE: {
      const auto* message = static_cast<const mpv_event_log_message*>(event.data);
      std::fprintf(stderr, "py.dat: %s: %s", message->prefix, message->text);
      break;
    }
    case MPV_EVENT_SHUTDOWN:
      finish(exitCode_);
      break;
    default:
      break;
  }
}

void MpvPlayer::onPropertyChange(const mpv_event& event) {
  const auto* property = static_cast<const mpv_event_property*>(event.data);
  if (property->data == nullptr) return;
  if (event.reply_userdata == kTimePosition && property->format == MPV_FORMAT_DOUBLE) {
    if (pictureShown_) report(*static_cast<const double*>(property->data));
  } else if (event.reply_userdata == kEndReached && property->format == MPV_FORMAT_FLAG) {
    // The last frame starts short of the end; the window expects the end.
    if (*static_cast<const int*>(property->data) != 0) reportEnd();
  } else if (event.reply_userdata == kDuration && property->format == MPV_FORMAT_DOUBLE) {
    duration_ = *static_cast<const double*>(property->data);
  }
}

void MpvPlayer::onFileEnded(const mpv_event& event) {
  const auto* ended = static_cast<const mpv_event_end_file*>(event.data);
  if (ended->reason == MPV_END_FILE_REASON_ERROR) {
    std::fprintf(stderr, "py.dat: cannot play the file: %s\n", mpv_error_string(ended->error));
    finish(kExitUnplayable);
  } else if (ended->reason == MPV_END_FILE_REASON_EOF) {
    reportEnd();
    if (exitAtEnd_) finish(0);
  }
}

void MpvPlayer::report(double seconds) {
  lastPosition_ = seconds;
  if (!sink_(FormatPositionLine(seconds))) finish(0);
}

void MpvPlayer::reportEnd() { report(duration_ > 0 ? duration_ : lastPosition_); }

bool MpvPlayer::repeatPosition() {
  if (pictureShown_) report(lastPosition_);
  return running_;
}

void MpvPlayer::obey(const PlayerCommand& command) {
  using Kind = PlayerCommand::Kind;
  switch (command.kind) {
    case Kind::Pause:
      // The window resumes with "vol:p" and its volume, which is 0 when the
      // user turned the sound off; it never pauses a paused player, so at a
      // standstill this can only mean: play on, silently.
      if (isPaused()) {
        setVolume(0);
        setPaused(false);
      } else {
        setPaused(true);
      }
      break;
    case Kind::Resume:
      setVolume(command.value);
      setPaused(false);
      break;
    case Kind::SetVolume:
      setVolume(command.value);
      break;
    case Kind::Seek:
      seekTo(command.value);
      break;
    case Kind::Redraw:
      redraw();
      break;
    case Kind::Resize:
      // Only pictures in memory follow the preview area; a window of the
      // player's own keeps its size.
      if (render_ == nullptr) break;
      frameWidth_ = command.width;
      frameHeight_ = command.height;
      drawFrame();  // the picture standing still is drawn anew at the new size
      break;
  }
}

void MpvPlayer::seekTo(int tenThousandths) {
  if (!loaded_) {
    pendingSeek_ = tenThousandths;  // the library drops seeks before the file is open
    return;
  }
  const std::string percent = Decimal(tenThousandths * 100.0 / kSeekScale);
  const char* seek[] = {"seek", percent.c_str(), "absolute-percent+exact", nullptr};
  mpv_command_async(mpv_, 0, seek);
}

void MpvPlayer::redraw() {
  // Pictures in memory stay with the window, which paints them again itself.
  if (render_ != nullptr) return;
  // The library draws again only when a picture option really changes, so
  // the zoom alternates between none and an amount far below one pixel.
  zoomNudged_ = !zoomNudged_;
  double zoom = zoomNudged_ ? kInvisibleZoom : 0.0;
  mpv_set_property_async(mpv_, 0, "video-zoom", MPV_FORMAT_DOUBLE, &zoom);
}

void MpvPlayer::setVolume(int volume) {
  double level = LibraryVolumeFor(volume);
  mpv_set_property_async(mpv_, 0, "volume", MPV_FORMAT_DOUBLE, &level);
}

void MpvPlayer::setPaused(bool paused) {
  // Set at once, not queued: the next command may ask whether it is paused.
  int flag = paused ? 1 : 0;
  mpv_set_property(mpv_, "pause", MPV_FORMAT_FLAG, &flag);
}

bool MpvPlayer::isPaused() const {
  int flag = 0;
  return mpv_get_property(mpv_, "pause", MPV_FORMAT_FLAG, &flag) >= 0 && flag != 0;
}

double MpvPlayer::readDouble(const char* property) const {
  double value = 0;
  if (mpv_get_property(mpv_, property, MPV_FORMAT_DOUBLE, &value) < 0) return 0;
  return value;
}

void MpvPlayer::finish(int code) {
  if (!running_) return;
  running_ = false;
  exitCode_ = code;
}

}  // namespace orva::player
