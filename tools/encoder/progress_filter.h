// Turns ffmpeg's console output into what the converter reads: every stats
// line with its time as plain seconds ("time=12.48") and ending in a lone CR.
#pragma once

#include <string>

namespace orva::encoder {

// The line with every "time=HH:MM:SS.xx" written as seconds; other text is
// left as it is.
std::string RewriteClockTimes(const std::string& line);

// Whether one of ffmpeg's messages says that something went wrong.
bool ReadsAsError(const std::string& line);

// ffmpeg's stats line ("frame= ... time=..." or "size= ... time=...").
bool IsStatsLine(const std::string& line);

// ffmpeg's note that it rewrites the finished MP4-family file to move its
// index to the front: no report comes while it does.
bool IsIndexMoveLine(const std::string& line);

class ProgressFilter {
 public:
  // Takes a chunk of ffmpeg's output and returns the complete lines it ends:
  // stats lines rewritten and ending in CR, every other line ending in LF.
  // The start of the index move is said as the converter's finishing line.
  // Once progress is being reported, what is returned always ends in the
  // newest report (repeated after any message), so a reader of the newest
  // line never sees the progress stand still.
  std::string feed(const std::string& chunk);

  // The text after the last line break, as a line of its own.
  std::string flush();

  // The newest stats line as emitted (with its CR), or "" before the first.
  const std::string& lastProgress() const { return lastProgress_; }

  // ffmpeg's newest message that says something (not a report, not its
  // closing "Conversion failed!" nor a repeat count): why it failed, when it
  // did.
  const std::string& lastMessage() const { return lastMessage_; }

  // ffmpeg's first message that reads as an error: the cause, where later
  // lines (statistics printed while it ends) say nothing about it. Empty
  // when none did.
  const std::string& firstError() const { return firstError_; }

  // Why ffmpeg failed: its first error, else its newest message.
  const std::string& failureReason() const { return firstError_.empty() ? lastMessage_ : firstError_; }

 private:
  std::string emitLine(const std::string& line);

  std::string pending_;
  std::string lastProgress_;
  std::string lastMessage_;
  std::string firstError_;
};

}  // namespace orva::encoder
