#include "engine/source_facts.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>
#include <vector>

#include "engine/number_text.h"

namespace orva {

std::vector<StreamSection> ReadSections(const std::string& report, const std::string& name) {
  std::vector<StreamSection> sections;
  std::istringstream lines(report);
  std::string line;
  bool inside = false;
  const std::string opening = "[" + name + "]";
  const std::string closing = "[/" + name + "]";
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line == opening) {
      sections.emplace_back();
      inside = true;
    } else if (line == closing) {
      inside = false;
    } else if (inside) {
      const auto equals = line.find('=');
      if (equals != std::string::npos) sections.back()[line.substr(0, equals)] = line.substr(equals + 1);
    }
  }
  return sections;
}

std::vector<StreamSection> ReadStreamSections(const std::string& report) { return ReadSections(report, "STREAM"); }

std::string ValueOf(const StreamSection& section, const char* key) {
  const auto found = section.find(key);
  return found == section.end() ? "" : found->second;
}

bool HasUserTags(const StreamSection& section) {
  static const char* const kUserTags[] = {"title", "artist", "album", "album_artist", "track", "disc",
                                          "date", "genre", "comment", "composer", "tracknumber",
                                          "discnumber", "albumartist"};
  for (const auto& [key, value] : section) {
    if (!key.starts_with("TAG:") || value.empty()) continue;
    std::string tag = key.substr(4);
    for (char& c : tag) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* user : kUserTags) {
      if (tag == user) return true;
    }
  }
  return false;
}

namespace {

int IntegerOf(const StreamSection& section, const char* key) {
  return std::atoi(ValueOf(section, key).c_str());
}

// "30000/1001" -> 29.97; "0/0" and "N/A" -> 0.
double RateOf(const std::string& fraction) {
  const auto slash = fraction.find('/');
  const double numerator = ReadDecimal(fraction.c_str());
  if (slash == std::string::npos) return numerator;
  const double denominator = ReadDecimal(fraction.c_str() + slash + 1);
  return denominator > 0 ? numerator / denominator : 0;
}

bool IsCoverArt(const StreamSection& stream) { return ValueOf(stream, "DISPOSITION:attached_pic") == "1"; }

void TakePicture(const StreamSection& stream, SourceFacts& facts) {
  facts.videoStream = IntegerOf(stream, "index");
  facts.width = IntegerOf(stream, "width");
  facts.height = IntegerOf(stream, "height");
  facts.frameRate = RateOf(ValueOf(stream, "avg_frame_rate"));
  if (facts.frameRate == 0) facts.frameRate = RateOf(ValueOf(stream, "r_frame_rate"));
}

}  // namespace

const StreamSection* MainAudio(const std::vector<StreamSection>& streams) {
  const StreamSection* first = nullptr;
  for (const StreamSection& stream : streams) {
    if (ValueOf(stream, "codec_type") != "audio") continue;
    if (ValueOf(stream, "DISPOSITION:default") == "1") return &stream;
    if (first == nullptr) first = &stream;
  }
  return first;
}

SourceFacts SourceFactsOf(const std::vector<StreamSection>& streams) {
  SourceFacts facts;
  facts.known = !streams.empty();
  for (const StreamSection& stream : streams) {
    if (ValueOf(stream, "codec_type") != "video") continue;
    if (IsCoverArt(stream)) {
      facts.coverArt = true;
    } else if (facts.videoStream == kNoStream) {
      TakePicture(stream, facts);
    }
  }
  if (const StreamSection* audio = MainAudio(streams)) facts.audioStream = IntegerOf(*audio, "index");
  int audioCount = 0;
  for (const StreamSection& stream : streams) {
    const std::string type = ValueOf(stream, "codec_type");
    audioCount += type == "audio" ? 1 : 0;
    facts.more = facts.more || type == "subtitle";
  }
  facts.more = facts.more || audioCount > 1 || facts.coverArt;
  return facts;
}

SourceFacts ParseSourceReport(const std::string& report) {
  SourceFacts facts = SourceFactsOf(ReadStreamSections(report));
  for (const StreamSection& format : ReadSections(report, "FORMAT")) facts.more = facts.more || HasUserTags(format);
  return facts;
}

namespace {

template <typename Number>
bool ReadField(const char*& at, const char* end, Number& value, bool last) {
  const auto [stop, error] = std::from_chars(at, end, value);
  if (error != std::errc{} || stop == at) return false;
  if (last) {
    at = stop;
    return stop == end;
  }
  if (stop == end || *stop != ',') return false;
  at = stop + 1;
  return true;
}

}  // namespace

std::string SourceFactsWord(const SourceFacts& facts) {
  char rate[32];
  const auto written = std::to_chars(rate, rate + sizeof rate, facts.frameRate);
  return std::to_string(facts.videoStream) + ',' + std::to_string(facts.width) + ',' +
         std::to_string(facts.height) + ',' + std::string(rate, written.ptr) + ',' +
         std::to_string(facts.audioStream) + ',' + (facts.coverArt ? '1' : '0') + ',' + (facts.more ? '1' : '0');
}

bool ReadSourceFactsWord(const std::string& word, SourceFacts& facts) {
  SourceFacts read;
  const char* at = word.data();
  const char* end = at + word.size();
  int cover = 0;
  int more = 0;
  if (!ReadField(at, end, read.videoStream, false) || !ReadField(at, end, read.width, false) ||
      !ReadField(at, end, read.height, false) || !ReadField(at, end, read.frameRate, false) ||
      !ReadField(at, end, read.audioStream, false) || !ReadField(at, end, cover, false) ||
      !ReadField(at, end, more, true)) {
    return false;
  }
  if (read.videoStream < kNoStream || read.audioStream < kNoStream || read.width < 0 || read.height < 0 ||
      !std::isfinite(read.frameRate) || read.frameRate < 0 || (cover != 0 && cover != 1) ||
      (more != 0 && more != 1)) {
    return false;
  }
  read.coverArt = cover == 1;
  read.more = more == 1;
  read.known = true;
  facts = read;
  return true;
}

}  // namespace orva
