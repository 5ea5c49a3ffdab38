#include "encoder_test_support.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "engine/command_line.h"
#include "engine/process.h"

namespace orva::encoder::test {

namespace fs = std::filesystem;

std::string EncoderProgram() { return std::string(ORVA_PROGRAM_FOLDER) + "/cv.dat"; }

namespace {

void Drain(LaunchedChild& child, ChildResult& result, std::string& input,
           const std::function<bool(const std::string&)>& writeWhen) {
  std::size_t available = 0;
  while (PlatformBytesAvailable(child.outputRead, available) == PipeState::Open && available > 0) {
    char buffer[4096];
    const long got = PlatformRead(child.outputRead, buffer, std::min(available, sizeof buffer));
    if (got <= 0) break;
    result.output.append(buffer, static_cast<std::size_t>(got));
  }
  if (!input.empty() && (!writeWhen || writeWhen(result.output))) {
    PlatformWrite(child.inputWrite, input.data(), input.size());
    input.clear();
  }
}

}  // namespace

ChildResult RunChild(const std::string& commandLine, const std::string& input,
                     const std::function<bool(const std::string&)>& writeWhen) {
  ChildResult result;
  LaunchedChild child;
  if (!PlatformLaunch(commandLine.c_str(), child)) return result;
  std::string unsent = input;
  ExitStatus status;
  while (!PlatformWaitExit(child.process, 5, status)) Drain(child, result, unsent, writeWhen);
  Drain(child, result, unsent, writeWhen);
  PlatformClose(child.outputRead);
  PlatformClose(child.inputWrite);
  if (status.known) result.exitCode = status.exited ? status.code : 128 + status.signal;
  return result;
}

bool ReportsWrittenSeconds(const std::string& output) {
  constexpr char kTimeKey[] = "time=";
  for (std::size_t at = output.find(kTimeKey); at != std::string::npos; at = output.find(kTimeKey, at + 1)) {
    if (std::strtod(output.c_str() + at + sizeof kTimeKey - 1, nullptr) > 0) return true;
  }
  return false;
}

const std::string& SharedClip() {
  // Parallel test processes share one clip; each makes its own copy first
  // and the rename makes the first finished one the clip.
  static const std::string clip = [] {
    const std::string path = std::string(ORVA_ENCODER_TEST_DIR) + "/clip-2s.mkv";
    if (!fs::exists(path)) {
      const std::string part = path + ".part-" + std::to_string(getpid()) + ".mkv";
      if (MakeClip(part, 2.0)) fs::rename(part, path);
    }
    return path;
  }();
  return clip;
}

namespace {

// "key=value" lines of ffprobe, first stream of each kind only.
void ReadFacts(const std::string& report, MediaFacts& facts) {
  std::istringstream lines(report);
  std::string line, section, codecType, codecName, codecTag, profile, pixelFormat, colorRange;
  int width = 0, height = 0, level = 0, channels = 0;
  bool attached = false;
  auto closeStream = [&] {
    if (codecType == "video" && attached) {
      facts.coverArt = true;
    } else if (codecType == "video" && facts.videoCodec.empty()) {
      facts.videoCodec = codecName;
      facts.videoTag = codecTag;
      facts.width = width;
      facts.height = height;
      facts.videoProfile = profile;
      facts.videoLevel = level;
      facts.pixelFormat = pixelFormat;
      facts.colorRange = colorRange;
    } else if (codecType == "audio" && facts.audioCodec.empty()) {
      facts.audioCodec = codecName;
      facts.audioChannels = channels;
    }
    codecType.clear();
    codecName.clear();
    attached = false;
  };
  while (std::getline(lines, line)) {
    if (line == "[/STREAM]") closeStream();
    const auto equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = line.substr(0, equals), value = line.substr(equals + 1);
    if (key == "codec_type") codecType = value;
    if (key == "codec_name") codecName = value;
    if (key == "codec_tag_string") codecTag = value;
    if (key == "width") width = std::atoi(value.c_str());
    if (key == "height") height = std::atoi(value.c_str());
    if (key == "profile") profile = value;
    if (key == "level") level = std::atoi(value.c_str());
    if (key == "pix_fmt") pixelFormat = value;
    if (key == "color_range") colorRange = value;
    if (key == "channels") channels = std::atoi(value.c_str());
    if (key == "DISPOSITION:attached_pic") attached = value == "1";
    if (key == "format_name") facts.formatName = value;
    if (key == "duration" && line.size() > 0 && !facts.formatName.empty()) {
      facts.duration = std::atof(value.c_str());
    }
  }
}

}  // namespace

MediaFacts ProbeMedia(const std::string& path) {
  MediaFacts facts;
  if (!fs::exists(path)) return facts;
  const ChildResult probe = RunChild(
      "ffprobe -v error -show_entries stream=codec_type,codec_name,codec_tag_string,width,height,profile,level,"
      "pix_fmt,color_range,channels:stream_disposition=attached_pic"
      " -show_entries format=format_name,duration " + Quoted(path));
  facts.readable = probe.exitCode == 0;
  ReadFacts(probe.output, facts);
  return facts;
}

bool DecodesCleanly(const std::string& path) {
  const ChildResult decode =
      RunChild(std::string(ORVA_FFMPEG) + " -v error -i " + Quoted(path) + " -f null -");
  return decode.exitCode == 0 && decode.output.empty();
}

std::string WrittenPath(const std::string& output, const std::string& requested) {
  const std::string key = "output written as: ";
  const auto found = output.rfind(key);
  if (found == std::string::npos) return requested;
  const auto start = found + key.size();
  return output.substr(start, output.find('\n', start) - start);
}

std::string Quoted(const std::string& text) { return QuoteArgument(text); }

std::string Mpeg4Command(const std::string& source, const std::string& output) {
  return Quoted(EncoderProgram()) + " -i " + Quoted(source) +
         " -y -vcodec mpeg4 -s 320x240 -b 640K -r 29.97 -acodec libvo_aacenc -ab 128K -ar 48000 -ac 2 " +
         Quoted(output);
}

}  // namespace orva::encoder::test
