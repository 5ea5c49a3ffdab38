#include "tools/encoder/progress_filter.h"

#include <cctype>
#include <cstdio>
#include <string_view>

#include "engine/conversion_texts.h"
#include "engine/number_text.h"

namespace orva::encoder {

namespace {

constexpr char kTimeKey[] = "time=";
constexpr std::size_t kTimeKeyLength = sizeof kTimeKey - 1;

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// No field of a clock ffmpeg prints comes near this; a longer run of digits
// stops growing here instead of overflowing.
constexpr long kLargestClockField = 999999999;

// Reads digits at `at`; false when there are none.
bool ReadDigits(const std::string& text, std::size_t& at, long& value) {
  const std::size_t start = at;
  value = 0;
  for (; at < text.size() && IsDigit(text[at]); ++at) {
    if (value <= kLargestClockField / 10) value = value * 10 + (text[at] - '0');
  }
  return at > start;
}

// Parses "[-]H+:MM:SS[.frac]" at `at`; on success `at` is past it.
bool ReadClock(const std::string& text, std::size_t& at, double& seconds) {
  std::size_t i = at;
  const bool negative = i < text.size() && text[i] == '-';
  if (negative) ++i;
  long hours = 0, minutes = 0, whole = 0;
  if (!ReadDigits(text, i, hours) || i >= text.size() || text[i++] != ':') return false;
  if (!ReadDigits(text, i, minutes) || i >= text.size() || text[i++] != ':') return false;
  if (!ReadDigits(text, i, whole)) return false;
  double fraction = 0, scale = 0.1;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) {
      fraction += (text[i++] - '0') * scale;
      scale /= 10;
    }
  }
  seconds = static_cast<double>(hours * 3600 + minutes * 60 + whole) + fraction;
  if (negative) seconds = -seconds;
  at = i;
  return true;
}

std::string Seconds(double seconds) { return FixedText(seconds, 2); }

bool IsBreak(char c) { return c == '\r' || c == '\n'; }

// ffmpeg's lines that carry no reason of their own.
bool SaysNothing(const std::string& line) {
  const std::size_t start = line.find_first_not_of(' ');
  if (start == std::string::npos) return true;
  const std::string_view text = std::string_view(line).substr(start);
  return text.starts_with("Conversion failed") || text.starts_with("Last message repeated");
}

// Texts ffmpeg prints when something went wrong: the system's and its own
// error texts, and the words its error messages start with.
constexpr std::string_view kErrorTexts[] = {
    "No space left on device", "Permission denied", "Invalid data found when processing input",
    "No such file or directory", "Read-only file system", "Disk quota exceeded", "File too large",
    "Input/output error", "Invalid argument", "Operation not permitted", "Cannot allocate memory",
    "Broken pipe", "Error ", "error ", "Could not ", "could not ", "Unable to ", "Unknown encoder",
};

}  // namespace

bool ReadsAsError(const std::string& line) {
  for (std::string_view text : kErrorTexts) {
    if (line.find(text) != std::string::npos) return true;
  }
  return false;
}

std::string RewriteClockTimes(const std::string& line) {
  std::string result;
  std::size_t at = 0;
  for (std::size_t key = line.find(kTimeKey); key != std::string::npos;
       key = line.find(kTimeKey, at)) {
    std::size_t value = key + kTimeKeyLength;
    result.append(line, at, value - at);
    double seconds = 0;
    if (ReadClock(line, value, seconds)) result += Seconds(seconds);
    at = value;
  }
  result.append(line, at, std::string::npos);
  return result;
}

bool IsIndexMoveLine(const std::string& line) {
  return line.find("Starting second pass: moving the moov atom") != std::string::npos;
}

bool IsStatsLine(const std::string& line) {
  const std::size_t start = line.find_first_not_of(' ');
  if (start == std::string::npos) return false;
  const bool statsStart = line.compare(start, 6, "frame=") == 0 || line.compare(start, 5, "size=") == 0;
  return statsStart && line.find(kTimeKey) != std::string::npos;
}

std::string ProgressFilter::emitLine(const std::string& line) {
  if (IsStatsLine(line)) {
    lastProgress_ = RewriteClockTimes(line) + '\r';
    return lastProgress_;
  }
  if (IsIndexMoveLine(line)) return std::string(kEncoderFinishing) + "moving the index to the front of the file\n";
  if (!SaysNothing(line)) {
    lastMessage_ = line;
    if (firstError_.empty() && ReadsAsError(line)) firstError_ = line;
  }
  // Only stats lines may say "time=": a message that happened to hold it
  // would be read as progress.
  std::string text = line;
  for (std::size_t key = text.find(kTimeKey); key != std::string::npos;
       key = text.find(kTimeKey, key + 2)) {
    text.replace(key, kTimeKeyLength, "time =");
  }
  return text + '\n';
}

std::string ProgressFilter::feed(const std::string& chunk) {
  pending_ += chunk;
  std::string out;
  std::size_t lineStart = 0;
  for (std::size_t i = 0; i < pending_.size(); ++i) {
    if (!IsBreak(pending_[i])) continue;
    if (i > lineStart) out += emitLine(pending_.substr(lineStart, i - lineStart));
    lineStart = i + 1;
  }
  pending_.erase(0, lineStart);
  // A message after the newest report: fold the report in again behind it.
  if (!out.empty() && out.back() == '\n' && !lastProgress_.empty()) out += lastProgress_;
  return out;
}

std::string ProgressFilter::flush() {
  if (pending_.empty()) return "";
  std::string out = emitLine(pending_);
  pending_.clear();
  return out;
}

}  // namespace orva::encoder
