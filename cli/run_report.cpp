#include "cli/run_report.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>

namespace orva {

namespace {

// The length of the UTF-8 sequence starting at `i`, 0 when there is none.
std::size_t Utf8Length(const std::string& text, std::size_t i) {
  const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
  const unsigned char lead = byte(i);
  std::size_t length = 0;
  unsigned int low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  else return 0;
  if (lead == 0xE0) low = 0xA0;   // overlong
  if (lead == 0xED) high = 0x9F;  // surrogates
  if (lead == 0xF0) low = 0x90;   // overlong
  if (lead == 0xF4) high = 0x8F;  // beyond U+10FFFF
  if (i + length > text.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  }
  return length;
}

void AppendEscaped(std::string& out, unsigned char c) {
  switch (c) {
    case '"': out += "\\\""; return;
    case '\\': out += "\\\\"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    default: break;
  }
  if (c < 0x20 || c == 0x7F) {
    char code[8];
    std::snprintf(code, sizeof code, "\\u%04x", c);
    out += code;
    return;
  }
  out += static_cast<char>(c);
}

// Seconds with two decimals and a point, whatever the locale.
std::string SecondsText(double seconds) {
  char text[32];
  const auto [end, error] =
      std::to_chars(text, text + sizeof text, seconds < 0 ? 0.0 : seconds, std::chars_format::fixed, 2);
  return error == std::errc() ? std::string(text, end) : "0";
}

}  // namespace

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      AppendEscaped(out, c);
      ++i;
      continue;
    }
    const std::size_t length = Utf8Length(text, i);
    if (length == 0) {
      out += "\\ufffd";
      ++i;
      continue;
    }
    out.append(text, i, length);
    i += length;
  }
  return out + "\"";
}

std::string ReportLine(const ReportEntry& entry) {
  return "{\"source\":" + JsonString(entry.source) +
         ",\"output\":" + (entry.output ? JsonString(*entry.output) : "null") +
         ",\"result\":" + JsonString(entry.result) + ",\"reason\":" + JsonString(entry.reason) +
         ",\"seconds\":" + SecondsText(entry.seconds) + ",\"bytes\":" + std::to_string(entry.bytes) +
         ",\"host\":" + JsonString(entry.host) + "}\n";
}

ReportFile::~ReportFile() {
  if (fd_ >= 0) close(fd_);
}

bool ReportFile::open(const std::string& path, std::string& error) {
  fd_ = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd_ < 0) error = "--report: " + path + ": " + std::strerror(errno);
  return fd_ >= 0;
}

bool ReportFile::append(const std::string& line) {
  // One write: a second one for a rest would let another run's line in
  // between. A line cut short (a full disk) is not continued.
  ssize_t written = -1;
  do {
    written = write(fd_, line.data(), line.size());
  } while (written < 0 && errno == EINTR);
  return written == static_cast<ssize_t>(line.size());
}

}  // namespace orva
