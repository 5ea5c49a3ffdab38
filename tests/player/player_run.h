// Runs the built player program from tests: writes its commands, collects the
// positions it reports and watches it end.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/process.h"
#include "player/frame_line.h"

namespace orva::player::test {

std::string PlayerProgram();  // the built py.dat

// A clip of `seconds` (320x240 test picture, 25 fps, stereo tone), made once
// per test process and shared by its tests.
const std::string& ClipOf(int seconds);

class PlayerRun {
 public:
  explicit PlayerRun(const std::string& arguments);  // everything after the program
  PlayerRun(const std::string& arguments, const LaunchOptions& options);
  ~PlayerRun();                                      // ends a player still running
  PlayerRun(const PlayerRun&) = delete;
  PlayerRun& operator=(const PlayerRun&) = delete;

  bool started() const { return child_.process != kNoHandle; }
  void send(const std::string& text);
  void closeOutput();  // as if the window had gone away

  // Reads output until `done` holds or `milliseconds` pass; returns `done`.
  bool waitFor(const std::function<bool()>& done, int milliseconds);
  bool waitForPositions(std::size_t count, int milliseconds);
  // Waits until a position later than the newest one now arrives.
  bool waitForNextPosition(int milliseconds);
  bool waitForExit(int milliseconds);  // true once it has ended

  const std::vector<double>& positions() const { return positions_; }
  double lastPosition() const { return positions_.empty() ? -1 : positions_.back(); }
  // Every output line that starts with "ct:", as printed.
  const std::vector<std::string>& positionLines() const { return positionLines_; }
  // Every picture announced, in order.
  const std::vector<FrameAnnouncement>& frames() const { return frames_; }
  const std::string& otherOutput() const { return otherOutput_; }
  int exitCode() const;  // 128 + signal when a signal ended it; -1 while running
  std::uint32_t processId() const { return child_.processId; }

 private:
  void pump();
  void takeLine(const std::string& line);

  LaunchedChild child_;
  ExitStatus status_;
  std::string pending_;
  std::vector<double> positions_;
  std::vector<std::string> positionLines_;
  std::vector<FrameAnnouncement> frames_;
  std::string otherOutput_;
};

}  // namespace orva::player::test
