#include "tools/encoder/encode_session.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>

#include "engine/conversion_texts.h"
#include "engine/process.h"
#include "tools/encoder/ffmpeg_command.h"
#include "tools/encoder/progress_filter.h"
#include "tools/encoder/stop_signals.h"
#include "tools/encoder/temporary_output.h"

namespace orva::encoder {

namespace {

using Clock = std::chrono::steady_clock;

constexpr OsHandle kStandardInput = 0;
constexpr OsHandle kStandardOutput = 1;
constexpr auto kProgressPeriod = std::chrono::milliseconds(500);
constexpr int kExitPollMilliseconds = 10;
constexpr char kQuitCommand[] = "q\n";

// Writing fails once the converter has closed our output; the conversion
// goes on regardless.
void Say(const std::string& text) {
  if (!text.empty()) PlatformWrite(kStandardOutput, text.data(), text.size());
}

void SayError(const std::string& text) {
  std::fprintf(stderr, "cv.dat: %s\n", text.c_str());
  std::fflush(stderr);
}

class Session {
 public:
  Session(const EncodePlan& plan, std::string outputPath, long processId)
      : plan_(plan),
        outputPath_(std::move(outputPath)),
        writePath_(plan.outputPath.empty() ? outputPath_ : plan.outputPath),
        temporaryPath_(TemporaryPathFor(writePath_, processId)) {}

  int run() {
    RemoveStaleTemporaries(writePath_);
    for (const std::string& notice : plan_.notices) Say(notice + "\n");
    LaunchOptions options;
    options.endWithParent = true;
    const std::string commandLine = FfmpegCommandLine(plan_, temporaryPath_);
    if (!PlatformLaunch(commandLine.c_str(), child_, options)) {
      SayError("cannot start ffmpeg: it is not installed or not on the search path");
      return kFfmpegMissing;
    }
    lastProgressAt_ = Clock::now();
    while (!finished()) step();
    PlatformClose(child_.outputRead);
    PlatformClose(child_.inputWrite);
    // ffmpeg's closing summary and our own notes follow its final report; a
    // reader of the newest line gets the final report again, last, in the
    // same write, so no read ends in a note.
    std::string closing = filter_.flush();
    const int code = settle(closing);
    Say(closing + filter_.lastProgress());
    return code;
  }

 private:
  bool finished() const { return exited_ && outputDrained_; }

  void step() {
    watchInput();
    passOutput();
    handleStopRequest();
    keepProgressFlowing();
    if (!exited_) {
      // Until ffmpeg closes its output, its next words (or the end of the
      // period) are waited for on the pipe: polling for its end instead
      // would wake us a thousand times a second beside a busy encoder.
      if (!outputDrained_) PlatformWaitReadable(child_.outputRead, kExitPollMilliseconds);
      exited_ = PlatformWaitExit(child_.process, outputDrained_ ? kExitPollMilliseconds : 0, status_);
    } else if (!outputDrained_) {
      PlatformSleep(kExitPollMilliseconds);
    }
  }

  // The converter's stop is "q\n" on our input; an input that ends is no stop.
  void watchInput() {
    if (!watchingInput_) return;
    std::size_t available = 0;
    const PipeState state = PlatformBytesAvailable(kStandardInput, available);
    if (state != PipeState::Open) {
      watchingInput_ = false;
      return;
    }
    while (available > 0) {
      char buffer[256];
      const long got = PlatformRead(kStandardInput, buffer, std::min(available, sizeof buffer));
      if (got <= 0) {
        watchingInput_ = false;
        return;
      }
      if (std::string(buffer, static_cast<std::size_t>(got)).find('q') != std::string::npos) {
        askToQuit();
      }
      available -= static_cast<std::size_t>(got);
    }
  }

  void askToQuit() {
    if (quitSent_ || exited_) return;
    quitSent_ = PlatformWrite(child_.inputWrite, kQuitCommand, sizeof kQuitCommand - 1) > 0;
  }

  void passOutput() {
    for (;;) {
      std::size_t available = 0;
      const PipeState state = PlatformBytesAvailable(child_.outputRead, available);
      if (state != PipeState::Open) {
        outputDrained_ = exited_ || state == PipeState::Broken;
        return;
      }
      if (available == 0) return;
      char buffer[4096];
      const long got = PlatformRead(child_.outputRead, buffer, std::min(available, sizeof buffer));
      if (got <= 0) return;
      const std::string text = filter_.feed(std::string(buffer, static_cast<std::size_t>(got)));
      if (text.find('\r') != std::string::npos) lastProgressAt_ = Clock::now();
      Say(text);
    }
  }

  void handleStopRequest() {
    switch (TakeStopRequest()) {
      case StopRequest::Quit:
        askToQuit();
        break;
      case StopRequest::Abort:
        aborted_ = true;
        PlatformTerminate(child_.process, status_);
        break;
      case StopRequest::None:
        break;
    }
  }

  // ffmpeg reports only when it writes; a slow start or a long flush after
  // the quit command must not look like a stalled conversion.
  void keepProgressFlowing() {
    if (exited_ || Clock::now() - lastProgressAt_ < kProgressPeriod) return;
    Say(filter_.lastProgress().empty() ? "time=0.00\r" : filter_.lastProgress());
    lastProgressAt_ = Clock::now();
  }

  int exitCode() const {
    if (aborted_) return 128 + SIGTERM;
    if (!status_.known) return kNoOutputWritten;
    return status_.exited ? status_.code : 128 + status_.signal;
  }

  // Moves the finished file into place. Notes go after `closing`; an error
  // goes to stderr after `closing` has been said, so it stays the newest
  // message a reader sees.
  int settle(std::string& closing) {
    const int code = exitCode();
    if (code != 0) {
      sayNow(closing);
      if (!aborted_) SayError(failureText());
      DiscardTemporary(temporaryPath_);
      return code;
    }
    if (!std::filesystem::exists(temporaryPath_)) {
      sayNow(closing);
      SayError("ffmpeg ended without writing " + writePath_);
      return kNoOutputWritten;
    }
    std::string writtenPath;
    if (!CommitTemporary(temporaryPath_, writePath_, writtenPath)) {
      sayNow(closing);
      SayError("cannot move the finished file to " + writePath_);
      DiscardTemporary(temporaryPath_);
      return kNoOutputWritten;
    }
    if (writtenPath != outputPath_) closing += kOutputWrittenAs + writtenPath + "\n";
    return 0;
  }

  static void sayNow(std::string& text) {
    Say(text);
    text.clear();
  }

  std::string failureText() const {
    if (!status_.known) return "the end of ffmpeg could not be seen";
    if (!status_.exited) return "ffmpeg was ended by signal " + std::to_string(status_.signal);
    const std::string& reason = filter_.failureReason();
    return reason.empty() ? "ffmpeg failed with status " + std::to_string(status_.code)
                          : "ffmpeg failed: " + reason;
  }

  const EncodePlan& plan_;
  const std::string outputPath_;  // as the converter asked
  const std::string writePath_;   // named for the format written
  const std::string temporaryPath_;
  LaunchedChild child_;
  ExitStatus status_;
  ProgressFilter filter_;
  Clock::time_point lastProgressAt_;
  bool exited_ = false;
  bool outputDrained_ = false;
  bool watchingInput_ = true;
  bool quitSent_ = false;
  bool aborted_ = false;
};

}  // namespace

int RunEncodeSession(const EncodePlan& plan, const std::string& outputPath, long processId) {
  return Session(plan, outputPath, processId).run();
}

}  // namespace orva::encoder
