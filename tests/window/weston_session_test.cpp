// The real program in a Wayland session: weston's headless back end with
// XWayland, as current GNOME and Plasma desktops run it with Qt's Wayland
// plugin installed (both WAYLAND_DISPLAY and DISPLAY set), and the same
// session without any X display. Screenshots come from weston itself.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>

#include "media_clip.h"
#include "scratch_folder.h"

namespace orva::test {
namespace {

constexpr QRgb kBackground = qRgb(0, 128, 0);    // weston's, set below
constexpr QRgb kKeyColour = qRgb(175, 220, 226);  // the skin's colour outside the window's shape
constexpr QRgb kClipColour = qRgb(0xE0, 0x20, 0x80);
constexpr int kPreviewPixels = 284 * 218;

bool WaitFor(const std::function<bool()>& done, int seconds) {
  for (int tenth = 0; tenth < seconds * 10; ++tenth) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return done();
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Starts `command` through the shell in the background; its process id.
int StartInBackground(const std::string& command) {
  FILE* shell = popen((command + " & echo $!").c_str(), "r");
  if (shell == nullptr) return 0;
  int pid = 0;
  if (std::fscanf(shell, "%d", &pid) != 1) pid = 0;
  pclose(shell);
  return pid;
}

bool Near(QRgb a, QRgb b, int tolerance) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

struct ScreenCount {
  int key = 0;   // pixels of exactly the key colour
  int clip = 0;  // pixels of the clip's colour (after decoding and scaling)
  int black = 0;
  int window = 0;  // anything but weston's background
};

ScreenCount Count(const QImage& shot) {
  // The screenshot has alpha: put it over the background as the screen does.
  QImage flat(shot.size(), QImage::Format_RGB32);
  flat.fill(kBackground);
  QPainter(&flat).drawImage(0, 0, shot);
  ScreenCount count;
  for (int y = 0; y < flat.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(flat.constScanLine(y));
    for (int x = 0; x < flat.width(); ++x) {
      const QRgb pixel = line[x] | 0xFF000000;
      count.key += pixel == kKeyColour;
      count.clip += Near(pixel, kClipColour, 24);
      count.black += pixel == qRgb(0, 0, 0);
      count.window += pixel != kBackground;
    }
  }
  return count;
}

class WestonSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    chmod(runtime_.path().c_str(), 0700);
    std::filesystem::copy_file(ORVA_WINDOW_PROGRAM, program_.file("orva-video-converter"));
    std::filesystem::create_symlink(ORVA_PROBE, program_.file("pb.dat"));
    std::filesystem::create_symlink(ORVA_BATCH_PROBE, program_.file("orva-probe"));
    std::filesystem::create_symlink(ORVA_ENCODER, program_.file("cv.dat"));
    std::filesystem::create_symlink(ORVA_PLAYER, program_.file("py.dat"));
    clip_ = work_.file("clip.mkv");
    ASSERT_TRUE(RunFfmpeg("-f lavfi -i color=c=0xE02080:size=320x240:rate=25:duration=6 -f lavfi -i "
                          "sine=duration=6 -c:v mpeg4 -q:v 2 -c:a aac -shortest \"" + clip_ + "\""));
  }

  void TearDown() override { EndSession(); }

  // weston on a 1280 x 800 screen at `scale` (its output then has that many
  // times the pixels each way); with XWayland, its display is noted. False (with the
  // test skipped) where weston cannot run.
  bool StartSession(bool withXWayland, int scale = 1) {
    std::ofstream(work_.file("weston.ini")) << "[shell]\nbackground-color=0xff008000\npanel-position=none\n";
    std::filesystem::remove(work_.file("weston.log"));
    westonPid_ = StartInBackground(
        "XDG_RUNTIME_DIR=\"" + runtime_.path() + "\" exec weston --config=\"" + work_.file("weston.ini") +
        "\" --backend=headless-backend.so --use-pixman --socket=orva-test --width=1280 --height=800 --scale=" +
        std::to_string(scale) +
        (withXWayland ? " --xwayland" : "") + " --debug >\"" + work_.file("weston.log") + "\" 2>&1");
    constexpr char kListening[] = "xserver listening on display :";
    // XWayland's display is announced once weston has set it up; without it
    // the socket is enough.
    const bool started = WaitFor([&] {
      return std::filesystem::exists(runtime_.file("orva-test")) &&
             (!withXWayland || ReadAll(work_.file("weston.log")).find(kListening) != std::string::npos);
    }, 30);
    const std::string log = ReadAll(work_.file("weston.log"));
    if (!started) {
      ADD_FAILURE() << "weston did not start: " << log;
      return false;
    }
    if (withXWayland) {
      display_ = log.substr(log.find(kListening) + std::strlen("xserver listening on display "));
      display_ = display_.substr(0, display_.find_first_of(" \r\n"));
    }
    return true;
  }

  void EndSession() {
    if (programPid_ > 0) kill(programPid_, SIGTERM);
    if (westonPid_ > 0) kill(westonPid_, SIGTERM);
    if (programPid_ > 0) WaitFor([this] { return !ProgramRuns(); }, 5);
    if (westonPid_ > 0) WaitFor([this] { return kill(westonPid_, 0) != 0; }, 5);
    programPid_ = westonPid_ = 0;
    std::filesystem::remove(runtime_.file("orva-test"));
  }

  // The program with the clip, in the session; `withX` gives it XWayland's display.
  void StartProgram(bool withX, const std::string& environment = "") {
    std::filesystem::create_directories(work_.file("home"));
    // exec: the process id is the program's own.
    std::string command = "cd \"" + work_.path() + "\" && exec env -u QT_QPA_PLATFORM -u ORVA_PLAYER_HEADLESS";
    if (!withX) command += " -u DISPLAY";
    command += " XDG_RUNTIME_DIR=\"" + runtime_.path() + "\" WAYLAND_DISPLAY=orva-test XDG_SESSION_TYPE=wayland";
    if (withX) command += " DISPLAY=" + display_;
    if (!environment.empty()) command += " " + environment;
    command += " HOME=\"" + work_.file("home") + "\" \"" + program_.file("orva-video-converter") + "\" \"" +
               clip_ + "\" >\"" + work_.file("program.log") + "\" 2>&1";
    programPid_ = StartInBackground(command);
    ASSERT_GT(programPid_, 0);
  }

  bool ProgramRuns() const { return programPid_ > 0 && kill(programPid_, 0) == 0; }

  // weston's own screenshot of the whole output.
  QImage Screenshot() {
    const std::string folder = work_.file("shots");
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string command = "cd \"" + folder + "\" && XDG_RUNTIME_DIR=\"" + runtime_.path() +
                                "\" WAYLAND_DISPLAY=orva-test weston-screenshooter >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return {};
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      QImage shot(QString::fromStdString(entry.path().string()));
      if (!shot.isNull()) {
        shot.save(QString::fromStdString(ORVA_SHOT_PREFIX + name() + ".png"));
        return shot;
      }
    }
    return {};
  }

  // Screenshots until `done` holds for one, or time runs out; the last count.
  ScreenCount ShotUntil(const std::function<bool(const ScreenCount&)>& done, int seconds) {
    ScreenCount count;
    WaitFor([&] {
      const QImage shot = Screenshot();
      if (shot.isNull()) return false;
      count = Count(shot);
      return done(count);
    }, seconds);
    return count;
  }

  std::string name() const { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }
  std::string programLog() { return ReadAll(work_.file("program.log")); }

  ScratchFolder runtime_;
  ScratchFolder work_;
  ScratchFolder program_;
  std::string display_;
  std::string clip_;
  int westonPid_ = 0;
  int programPid_ = 0;
};

TEST_F(WestonSessionTest, WithXWaylandThePreviewShowsTheClipAndNoKeyColour) {
  ASSERT_TRUE(StartSession(true));
  StartProgram(true);
  const ScreenCount count = ShotUntil([](const ScreenCount& c) { return c.clip > kPreviewPixels * 3 / 4; }, 40);
  EXPECT_GT(count.clip, kPreviewPixels * 3 / 4) << "the paused first frame is not in the preview area\n"
                                                << programLog();
  EXPECT_GT(count.window, 770 * 550 * 9 / 10) << "no window on the screen";
  EXPECT_EQ(count.key, 0) << "key-colour pixels on the screen";
  EXPECT_TRUE(ProgramRuns()) << programLog();
}

// At twice the scale the window draws four times the pixels itself: it is a
// Wayland client (there is no X display at all), says so to the compositor,
// and the clip's paused picture fills the larger preview area.
TEST_F(WestonSessionTest, AtScaleTwoWithoutAnyXDisplayTheWindowDrawsItselfAndThePreview) {
  ASSERT_TRUE(StartSession(false, 2));
  StartProgram(false, "WAYLAND_DEBUG=client");
  const ScreenCount count =
      ShotUntil([](const ScreenCount& c) { return c.clip > 4 * kPreviewPixels * 3 / 4; }, 40);
  EXPECT_GT(count.clip, 4 * kPreviewPixels * 3 / 4) << "the paused first frame does not fill the preview area";
  EXPECT_LT(count.clip, 4 * kPreviewPixels * 105 / 100);
  EXPECT_GT(count.window, 4 * 770 * 550 * 9 / 10) << "no window drawn at twice the pixels";
  EXPECT_EQ(count.key, 0) << "key-colour pixels on the screen";
  const std::string log = programLog();
  EXPECT_NE(log.find("wl_compositor"), std::string::npos) << "no Wayland client";
  EXPECT_NE(log.find("set_buffer_scale(2)"), std::string::npos) << "drawn at scale 1 and left to be upscaled";
  EXPECT_TRUE(ProgramRuns());
}

// Edge energy (the sum of squared Laplacians) of a grey picture.
double EdgeEnergy(const QImage& picture) {
  const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
  double energy = 0;
  for (int y = 1; y + 1 < grey.height(); ++y) {
    const uchar* above = grey.constScanLine(y - 1);
    const uchar* line = grey.constScanLine(y);
    const uchar* below = grey.constScanLine(y + 1);
    for (int x = 1; x + 1 < grey.width(); ++x) {
      const double laplacian = 4.0 * line[x] - line[x - 1] - line[x + 1] - above[x] - below[x];
      energy += laplacian * laplacian;
    }
  }
  return energy;
}

// Where the window lies on the screen: the box of everything that is not
// weston's background. The background is read from the screen's corner, as
// the renderer may store the configured colour in fewer bits.
QRect WindowBox(const QImage& shot) {
  const QRgb background = shot.pixel(0, 0) | 0xFF000000;
  QRect box;
  for (int y = 0; y < shot.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(shot.constScanLine(y));
    for (int x = 0; x < shot.width(); ++x) {
      if (qAlpha(line[x]) == 255 && (line[x] | 0xFF000000) != background) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

// The caption "Add Files" beside its button, in the window's own pixels.
constexpr QRect kCaption(84, 44, 78, 18);

TEST_F(WestonSessionTest, CaptionsAtScaleTwoAreSharperThanTheScaleOneWindowUpscaled) {
  QImage caption[3];  // by scale
  for (int scale : {1, 2}) {
    ASSERT_TRUE(StartSession(false, scale));
    StartProgram(false);
    QImage shot;
    ShotUntil([&](const ScreenCount& c) {
      if (c.clip < scale * scale * kPreviewPixels * 3 / 4) return false;
      shot = Screenshot();
      return !shot.isNull();
    }, 40);
    ASSERT_FALSE(shot.isNull()) << programLog();
    const QRect window = WindowBox(shot);
    ASSERT_EQ(window.width(), 770 * scale) << "window box " << window.x() << "," << window.y();
    caption[scale] = shot.copy(QRect(window.topLeft() + kCaption.topLeft() * scale, kCaption.size() * scale));
    EndSession();
  }
  // As a compositor shows an X11 client at scale 2: drawn at 1, stretched.
  const QImage upscaled = caption[1].scaled(caption[2].size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const double sharp = EdgeEnergy(caption[2]);
  const double blurred = EdgeEnergy(upscaled);
  caption[2].save(QString::fromStdString(ORVA_SHOT_PREFIX + std::string("caption-scale-2.png")));
  upscaled.save(QString::fromStdString(ORVA_SHOT_PREFIX + std::string("caption-scale-1-upscaled.png")));
  ASSERT_GT(blurred, 0) << "no caption there";
  EXPECT_GT(sharp / blurred, 1.5) << "edge energy " << sharp << " against " << blurred;
}

TEST_F(WestonSessionTest, WithoutAnyXDisplayThePreviewShowsTheClip) {
  ASSERT_TRUE(StartSession(false));
  StartProgram(false);
  const ScreenCount count = ShotUntil([](const ScreenCount& c) { return c.clip > kPreviewPixels * 3 / 4; }, 40);
  EXPECT_GT(count.window, 770 * 550 * 9 / 10) << "no window on the screen\n" << programLog();
  EXPECT_GT(count.clip, kPreviewPixels * 3 / 4) << "the paused first frame is not in the preview area";
  EXPECT_EQ(count.key, 0) << "key-colour pixels on the screen";
  EXPECT_TRUE(ProgramRuns()) << programLog();
}

}  // namespace
}  // namespace orva::test
