#include "tools/encoder/source_facts.h"

#include <cstdlib>
#include <map>
#include <sstream>
#include <vector>

#include "engine/number_text.h"

namespace orva::encoder {

namespace {

using Section = std::map<std::string, std::string>;

std::vector<Section> StreamSections(const std::string& report) {
  std::vector<Section> sections;
  std::istringstream lines(report);
  std::string line;
  bool inside = false;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line == "[STREAM]") {
      sections.emplace_back();
      inside = true;
    } else if (line == "[/STREAM]") {
      inside = false;
    } else if (inside) {
      const auto equals = line.find('=');
      if (equals != std::string::npos) sections.back()[line.substr(0, equals)] = line.substr(equals + 1);
    }
  }
  return sections;
}

std::string ValueOf(const Section& section, const char* key) {
  const auto found = section.find(key);
  return found == section.end() ? "" : found->second;
}

int IntegerOf(const Section& section, const char* key) {
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

bool IsCoverArt(const Section& stream) { return ValueOf(stream, "DISPOSITION:attached_pic") == "1"; }

void TakePicture(const Section& stream, SourceFacts& facts) {
  facts.videoStream = IntegerOf(stream, "index");
  facts.width = IntegerOf(stream, "width");
  facts.height = IntegerOf(stream, "height");
  facts.frameRate = RateOf(ValueOf(stream, "avg_frame_rate"));
  if (facts.frameRate == 0) facts.frameRate = RateOf(ValueOf(stream, "r_frame_rate"));
}

}  // namespace

SourceFacts ParseSourceReport(const std::string& report) {
  SourceFacts facts;
  bool audioIsDefault = false;
  for (const Section& stream : StreamSections(report)) {
    facts.known = true;
    const std::string type = ValueOf(stream, "codec_type");
    if (type == "video" && IsCoverArt(stream)) {
      facts.coverArt = true;
    } else if (type == "video" && facts.videoStream == kNoStream) {
      TakePicture(stream, facts);
    } else if (type == "audio" && !audioIsDefault) {
      const bool isDefault = ValueOf(stream, "DISPOSITION:default") == "1";
      if (facts.audioStream == kNoStream || isDefault) facts.audioStream = IntegerOf(stream, "index");
      audioIsDefault = isDefault;
    }
  }
  return facts;
}

}  // namespace orva::encoder
