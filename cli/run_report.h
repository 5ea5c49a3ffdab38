// The machine-readable record of a run: one JSON line per file, appended
// to a file that many runs on many hosts may share.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orva {

// A file is "succeeded" when converted, "skipped" when left because its
// output exists, else "failed" (also when it could not be measured).
inline constexpr char kResultSucceeded[] = "succeeded";
inline constexpr char kResultFailed[] = "failed";
inline constexpr char kResultSkipped[] = "skipped";

struct ReportEntry {
  std::string source;
  std::optional<std::string> output;  // none when no file was written
  std::string result;                 // one of the kResult texts
  std::string reason;                 // empty for a success
  double seconds = 0;                 // wall time of the conversion
  std::uintmax_t bytes = 0;           // size of the output
  std::string host;
};

// `text` as a JSON string with its quotes. Bytes that are no UTF-8 (file
// names are bytes) become U+FFFD, so the line stays valid JSON.
std::string JsonString(const std::string& text);

// The entry as one JSON object on one line, with its newline.
std::string ReportLine(const ReportEntry& entry);

// A report file opened for appending. Each line goes out in one write with
// O_APPEND, so lines of runs appending at once never interleave on a local
// file system (over NFS appends of two hosts are not atomic: give every
// host or task a report of its own).
class ReportFile {
 public:
  ReportFile() = default;
  ~ReportFile();
  ReportFile(const ReportFile&) = delete;
  ReportFile& operator=(const ReportFile&) = delete;

  // Opens (creating) the file. False with `error` set when it cannot be.
  bool open(const std::string& path, std::string& error);
  bool isOpen() const { return fd_ >= 0; }
  // Appends the line in one write. False when it did not go out whole.
  bool append(const std::string& line);

 private:
  int fd_ = -1;
};

}  // namespace orva
