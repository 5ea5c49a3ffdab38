// What Debian's ffmpeg 5.1 rejects on the video side and in the choice of
// the output format, and what it takes instead.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "tools/encoder/bit_rate.h"
#include "tools/encoder/h264_profile.h"
#include "tools/encoder/stream_settings.h"
#include "engine/number_text.h"

namespace orva::encoder {

namespace {

using K = ContainerKind;

// The part after the norm: "ntsc-vcd" -> "vcd", "dv" -> "dv".
std::string TargetKind(const std::string& target) {
  const auto dash = target.find('-');
  return dash == std::string::npos ? target : target.substr(dash + 1);
}

// The container a -target preset writes by itself.
K TargetContainer(const std::string& target) {
  const std::string kind = TargetKind(target);
  if (kind == "vcd" || kind == "svcd" || kind == "dvd") return K::MpegPs;
  if (kind == "dv" || kind == "dv50") return K::Dv;
  return K::Other;
}

bool IsPal(const std::string& target) { return target.rfind("pal-", 0) == 0; }

// A -target preset forces its own format; the file must still be what its
// extension says.
void KeepFormatAgainstTarget(const std::string& target, OutputSettings& output,
                             Notices& notices) {
  const K forced = TargetContainer(target);
  if (forced == K::Other || forced == output.container.kind || output.container.muxer == nullptr) {
    return;
  }
  output.format = output.container.muxer;
  Note(notices, "format of -target " + target + " -> " + output.format +
                    " (the file is named for that format)");
}

bool WritesDv(const VideoSettings& video, const std::string& target) {
  const K forced = TargetContainer(target);
  return forced == K::Dv || (video.encoder == "dvvideo" && forced == K::Other);
}

void FitDvSize(VideoSettings& video, const std::string& target, Notices& notices) {
  if (video.size.empty() || video.size == "720x480" || video.size == "720x576") return;
  const bool pal = target.empty() ? video.frameRate == "25" : IsPal(target);
  const std::string size = pal ? "720x576" : "720x480";
  Note(notices, "frame size " + video.size + " -> " + size + " (DV takes 720x480 or 720x576 only)");
  video.size = size;
}

// Windows Media video cannot be stored in an MP4-family file. The file is
// written as ASF and named for it: players that trust the name refuse an
// ASF file called .mp4.
void WriteWindowsMediaAsAsf(const VideoSettings& video, OutputSettings& output,
                            Notices& notices) {
  if (!IsIsoMedia(output.container.kind)) return;
  if (video.encoder != "wmv1" && video.encoder != "wmv2") return;
  constexpr char kWindowsMediaExtension[] = ".wmv";
  output.container = ContainerFor(kWindowsMediaExtension);
  output.format = output.container.muxer;
  output.extension = kWindowsMediaExtension;
  Note(notices, "format -> asf, written as " + std::string(kWindowsMediaExtension) + " (" +
                    video.encoder + " cannot be stored in an MP4-family file)");
}

// Stand-alone players look for Xvid's FourCC in capitals; ffmpeg writes it
// in lower case.
void MarkXvidForPlayers(VideoSettings& video, const OutputSettings& output) {
  if (video.encoder == "libxvid" && output.container.kind == K::Avi) {
    video.extras.insert(video.extras.end(), {"-vtag", "XVID"});
  }
}

// RealMedia packets are limited to 64 KiB, so no coded frame may be larger:
// the rate control buffer bounds each frame, and the average frame must
// leave room in it.
void CapForRealMedia(VideoSettings& video, Notices& notices) {
  constexpr long kBufferBits = 480000;  // under 64 KiB with room for headers
  const double rate = video.frameRate.empty() ? 25.0 : ReadDecimal(video.frameRate.c_str());
  const long cap = static_cast<long>(kBufferBits * (rate > 0 ? rate : 25.0) / 2);
  if (video.bitrate > cap) {
    Note(notices, "video bit rate " + FormatBitRate(video.bitrate) + " -> " +
                      FormatBitRate(cap / 1000 * 1000) +
                      " (RealMedia frames must stay under 64 KiB)");
    video.bitrate = cap / 1000 * 1000;
  }
  video.bufferSize = kBufferBits;
  video.maxRate = video.bitrate != 0 ? video.bitrate : cap / 1000 * 1000;
}

// Every device the catalogue names decodes 8-bit 4:2:0 only, while ffmpeg
// would keep a 10-bit, 4:2:2 or 4:4:4 source's format whenever the encoder
// takes it. Video is limited range; JPEG pictures are full range by nature.
// A size left to the source is rounded down to what 4:2:0 (even sides) and
// RealVideo (sides in steps of 4) can take.
void UsePlayablePictureFormat(VideoSettings& video) {
  const bool jpeg = video.encoder == "mjpeg";
  std::string scale = "scale=";
  if (video.size.empty()) {
    const std::string step = video.encoder == "rv20" ? "4" : "2";
    scale += "trunc(iw/" + step + ")*" + step + ":trunc(ih/" + step + ")*" + step + ":";
  }
  video.filter = scale + (jpeg ? "out_range=pc,format=yuvj420p" : "out_range=tv,format=yuv420p");
}

// "640x480" -> 640, 480; false for anything else.
bool ReadSize(const std::string& text, int& width, int& height) {
  char* end = nullptr;
  const long w = std::strtol(text.c_str(), &end, 10);
  if (*end != 'x') return false;
  const long h = std::strtol(end + 1, &end, 10);
  if (*end != '\0' || w <= 0 || h <= 0) return false;
  width = static_cast<int>(w);
  height = static_cast<int>(h);
  return true;
}

std::string LevelText(int idc) { return std::to_string(idc / 10) + "." + std::to_string(idc % 10); }

// The picture as it will be written: the size and rate asked for, or the
// source's own where the converter leaves them to it.
bool OutputPicture(const VideoSettings& video, const SourceFacts& source, int& width, int& height,
                   double& rate) {
  rate = video.frameRate.empty() ? source.frameRate : ReadDecimal(video.frameRate.c_str());
  if (!video.size.empty()) return ReadSize(video.size, width, height);
  width = source.width;
  height = source.height;
  return width > 0 && height > 0;
}

void UseH264Profile(VideoSettings& video, const SourceFacts& source, Notices& notices) {
  int width = 0, height = 0;
  double rate = 0;
  if (!OutputPicture(video, source, width, height, rate)) return;  // ffmpeg will say why
  const H264Profile chosen = ChooseH264Profile(width, height, rate);
  video.profile = chosen.profile;
  video.level = LevelText(chosen.level);
  Note(notices, std::string("H.264 profile -> ") + chosen.shownName + " level " + video.level +
                    " (frame size " + std::to_string(width) + "x" + std::to_string(height) + ")");
  if (video.bitrate > chosen.maxBitRate) {
    Note(notices, "video bit rate " + FormatBitRate(video.bitrate) + " -> " +
                      FormatBitRate(chosen.maxBitRate) + " (the most H.264 level " + video.level +
                      " allows)");
    video.bitrate = chosen.maxBitRate;
  }
  // The average alone leaves the peaks free; the level bounds them too.
  video.maxRate = chosen.maxBitRate;
  video.bufferSize = chosen.bufferBits;
}

}  // namespace

std::string TargetOf(const VideoSettings& video) {
  const auto found = std::find(video.extras.begin(), video.extras.end(), "-target");
  if (found == video.extras.end() || found + 1 == video.extras.end()) return "";
  return *(found + 1);
}

void ApplyVideoRules(VideoSettings& video, OutputSettings& output, const SourceFacts& source,
                     Notices& notices) {
  const std::string target = TargetOf(video);
  KeepFormatAgainstTarget(target, output, notices);
  if (WritesDv(video, target)) {
    FitDvSize(video, target, notices);  // DV fixes its own picture format
  } else {
    UsePlayablePictureFormat(video);
  }
  WriteWindowsMediaAsAsf(video, output, notices);
  MarkXvidForPlayers(video, output);
  if (output.container.kind == K::RealMedia) CapForRealMedia(video, notices);
  if (video.encoder == "libx264") UseH264Profile(video, source, notices);
}

}  // namespace orva::encoder
