#include "reference_tools.h"

#include <regex>
#include <sstream>
#include <vector>

#include "encoder_test_support.h"
#include "iso_boxes.h"

namespace orva::test {

namespace {

using encoder::test::ChildResult;
using encoder::test::Quoted;
using encoder::test::RunChild;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

void Join(std::string& text, const std::string& part, const char* separator = ", ") {
  if (part.empty()) return;
  if (!text.empty()) text += separator;
  text += part;
}

bool Holds(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// One mediainfo template over one kind of stream; fields come back split.
std::vector<std::string> MediaInfoFields(const std::string& path, const std::string& inform) {
  const ChildResult run = RunChild("mediainfo " + Quoted("--Inform=" + inform) + " " + Quoted(path));
  std::vector<std::string> fields;
  if (run.exitCode != 0) return fields;
  std::istringstream in(Trimmed(run.output));
  for (std::string field; std::getline(in, field, '|');) fields.push_back(field);
  return fields;
}

}  // namespace

Reading ReadWithMediaInfo(const std::string& path) {
  Reading reading;
  const auto general = MediaInfoFields(path, "General;%Format%|%Format_Profile%");
  if (general.empty() || general[0].empty()) return reading;
  reading.said = general[0];
  if (general.size() > 1 && !general[1].empty()) reading.said += " (" + general[1] + ")";
  const auto video = MediaInfoFields(path, "Video;%Format%|%CodecID%");
  if (!video.empty() && !video[0].empty()) {
    std::string text = "video " + video[0];
    if (video.size() > 1 && !video[1].empty()) text += " [" + video[1] + "]";
    Join(reading.said, text, "; ");
  }
  const auto audio = MediaInfoFields(path, "Audio;%Format%|%Channel(s)%");
  if (!audio.empty() && !audio[0].empty()) {
    std::string text = "audio " + audio[0];
    if (audio.size() > 1 && !audio[1].empty()) text += ", " + audio[1] + " ch";
    Join(reading.said, text, "; ");
  }
  reading.clean = true;
  return reading;
}

Reading ReadWithMkvMerge(const std::string& path) {
  Reading reading;
  const ChildResult run = RunChild("mkvmerge --identify " + Quoted(path));
  const std::regex container("container: (.*)$"), track("^Track ID [0-9]+: (.*)$");
  std::string tracks;
  for (const std::string& line : Lines(run.output)) {
    std::smatch match;
    if (std::regex_search(line, match, container)) {
      reading.said = Holds(line, "unsupported") ? "unsupported container: " + std::string(match[1]) : "container: " + std::string(match[1]);
    } else if (std::regex_search(line, match, track)) {
      Join(tracks, match[1]);
    } else if (Holds(line, "Error") || Holds(line, "Warning")) {
      Join(reading.said, Trimmed(line), "; ");
      return reading;
    }
  }
  Join(reading.said, tracks, "; ");
  reading.clean = run.exitCode == 0 && Holds(reading.said, "container: ") && !Holds(reading.said, "unsupported");
  return reading;
}

Reading ReadWithMkvInfo(const std::string& path) {
  Reading reading;
  const ChildResult run = RunChild("mkvinfo " + Quoted(path));
  int tracks = 0;
  for (const std::string& line : Lines(run.output)) {
    const auto type = line.find("Document type: ");
    if (type != std::string::npos) reading.said = "document type " + Trimmed(line.substr(type + 15));
    if (Holds(line, "+ Track number")) ++tracks;
    if (Holds(line, "Error") || Holds(line, "Warning")) Join(reading.said, Trimmed(line), "; ");
  }
  Join(reading.said, std::to_string(tracks) + " tracks");
  reading.clean = run.exitCode == 0 && Holds(reading.said, "document type") && !Holds(reading.said, "Error") &&
                  !Holds(reading.said, "Warning");
  return reading;
}

Reading ReadWithOggInfo(const std::string& path) {
  Reading reading;
  const ChildResult run = RunChild("ogginfo " + Quoted(path));
  const std::regex stream("type (\\w+)$"), length("Playback length: (\\S+)");
  std::string types, lengths;
  bool complaint = false;
  for (const std::string& line : Lines(run.output)) {
    std::smatch match;
    if (std::regex_search(line, match, stream)) Join(types, match[1]);
    if (std::regex_search(line, match, length)) Join(lengths, match[1]);
    if (Holds(line, "WARNING") || Holds(line, "ERROR")) {
      complaint = true;
      Join(reading.said, Trimmed(line), "; ");
    }
  }
  Join(reading.said, types + " streams of " + lengths, "; ");
  reading.clean = run.exitCode == 0 && !complaint && !types.empty();
  return reading;
}

Reading ReadWithMp3Val(const std::string& path) {
  Reading reading;
  const ChildResult run = RunChild("mp3val " + Quoted(path));
  bool complaint = false;
  for (const std::string& line : Lines(run.output)) {
    const auto colon = line.find("\": ");
    if (colon == std::string::npos) continue;
    const bool info = line.starts_with("INFO");
    complaint = complaint || !info;
    Join(reading.said, (info ? "" : line.substr(0, line.find(':')) + ": ") + line.substr(colon + 3), "; ");
  }
  reading.clean = run.exitCode == 0 && !complaint && !reading.said.empty();
  return reading;
}

Reading ReadWithFlac(const std::string& path) {
  Reading reading;
  const ChildResult run = RunChild("flac --test --silent " + Quoted(path));
  reading.said = Trimmed(run.output);
  if (reading.said.empty() && run.exitCode == 0) reading.said = "ok";
  const auto colon = reading.said.rfind(": ");
  if (colon != std::string::npos) reading.said = reading.said.substr(colon + 2);
  reading.clean = run.exitCode == 0 && reading.said == "ok";
  return reading;
}

Reading ReadWithSox(const std::string& path) {
  Reading reading;
  const ChildResult info = RunChild("sox --i " + Quoted(path));
  const std::string type = Trimmed(RunChild("sox --i -t " + Quoted(path)).output);
  std::string rate, channels, encoding;
  for (const std::string& line : Lines(info.output)) {
    const auto colon = line.find(": ");
    if (colon == std::string::npos) continue;
    const std::string key = Trimmed(line.substr(0, colon)), value = Trimmed(line.substr(colon + 2));
    if (key == "Sample Rate") rate = value + " Hz";
    if (key == "Channels") channels = value + " ch";
    if (key == "Sample Encoding") encoding = value;
  }
  reading.said = type;
  for (const std::string& part : {rate, channels, encoding}) Join(reading.said, part);
  // The whole file must decode, not only its header.
  const ChildResult decode = RunChild("sox " + Quoted(path) + " -n");
  const bool decoded = decode.exitCode == 0 && !Holds(decode.output, "WARN") && !Holds(decode.output, "FAIL");
  if (!decoded) Join(reading.said, Trimmed(decode.output), "; ");
  reading.clean = info.exitCode == 0 && decoded && !rate.empty();
  return reading;
}

Reading ReadBoxes(const std::string& path) {
  Reading reading;
  const std::vector<std::string> boxes = encoder::test::TopLevelBoxes(path);
  for (const std::string& box : boxes) Join(reading.said, box, " ");
  reading.clean = encoder::test::IndexComesFirst(boxes);
  return reading;
}

}  // namespace orva::test
