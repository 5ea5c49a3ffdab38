#include "tools/encoder/side_files.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "engine/command_line.h"
#include "engine/number_text.h"
#include "engine/child_output.h"
#include "tools/encoder/ffmpeg_command.h"

namespace orva::encoder {

namespace {

void AppendWord(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xff);
}

std::string Base64(const std::string& bytes) {
  static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  std::size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const std::uint32_t n = (static_cast<unsigned char>(bytes[i]) << 16) |
                            (static_cast<unsigned char>(bytes[i + 1]) << 8) | static_cast<unsigned char>(bytes[i + 2]);
    for (int shift = 18; shift >= 0; shift -= 6) out += kAlphabet[(n >> shift) & 63];
  }
  const std::size_t left = bytes.size() - i;
  if (left > 0) {
    std::uint32_t n = static_cast<unsigned char>(bytes[i]) << 16;
    if (left == 2) n |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    out += kAlphabet[(n >> 18) & 63];
    out += kAlphabet[(n >> 12) & 63];
    out += left == 2 ? kAlphabet[(n >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

bool ReadWhole(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

std::string Command(std::initializer_list<std::string> arguments) {
  std::string line = kFfmpegProgram;
  for (const std::string& argument : arguments) line += " " + QuoteArgument(argument);
  return line;
}

bool RunPass(const std::string& commandLine, const char* what, std::string& error) {
  std::string output;
  if (RunToEnd(commandLine, output)) return true;
  while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) output.pop_back();
  error = std::string("cannot ") + what + (output.empty() ? "" : ": " + output.substr(output.rfind('\n') + 1));
  return false;
}

bool ExtractCover(const SideWork& side, std::string& error) {
  const std::string stream = "0:" + std::to_string(side.coverStream);
  const std::string line = side.coverIsJpeg
      ? Command({"-v", "error", "-i", side.source, "-map", stream, "-frames:v", "1", "-c:v", "copy", "-f", "image2",
                 "-y", side.coverFile})
      : Command({"-v", "error", "-i", side.source, "-map", stream, "-frames:v", "1", "-c:v", "mjpeg", "-q:v", "3",
                 "-f", "image2", "-y", side.coverFile});
  return RunPass(line, "read the cover art", error);
}

bool WriteComments(const SideWork& side, std::string& error) {
  std::string picture;
  if (!ReadWhole(side.coverFile, picture)) {
    error = "cannot read the cover art taken from the source";
    return false;
  }
  std::ofstream out(side.metadataFile, std::ios::binary);
  out << ";FFMETADATA1\n";
  out << "METADATA_BLOCK_PICTURE=" << PictureComment(picture, "image/jpeg", side.coverWidth, side.coverHeight) << "\n";
  if (!side.audioLanguage.empty()) out << "language=" << EscapedMetadata(side.audioLanguage) << "\n";
  if (!side.audioTitle.empty()) out << "title=" << EscapedMetadata(side.audioTitle) << "\n";
  out.close();
  if (!out) error = "cannot write " + side.metadataFile;
  return static_cast<bool>(out);
}

// A Matroska file without a single block cannot be read back, and a range
// may hold no cue: a second of silence after the range's start keeps the
// file readable. The subtitle streams come first, so they are streams 0..n-1.
bool CutSubtitles(const SideWork& side, std::string& error) {
  const std::string silence = FixedText(ReadDecimal(side.seek.c_str()) + 1, 6);
  std::string line = Command({"-v", "error", "-i", side.source, "-f", "lavfi", "-t", silence, "-i",
                              "anullsrc=r=8000:cl=mono"});
  for (const SourceStream& stream : side.subtitles) line += " -map 0:" + std::to_string(stream.index);
  line += " -map 1:0";
  // An output seek drops the cues before the range and starts the rest at 0.
  line += " -ss " + QuoteArgument(side.seek);
  if (!side.length.empty()) line += " -t " + QuoteArgument(side.length);
  line += " -c:s copy -c:a pcm_s16le";
  for (std::size_t i = 0; i < side.subtitles.size(); ++i) {
    if (side.subtitles[i].codec == "mov_text") line += " -c:s:" + std::to_string(i) + " srt";
  }
  line += " -map_chapters -1 -f matroska -y " + QuoteArgument(side.subtitleFile);
  return RunPass(line, "cut the subtitles to the range", error);
}

}  // namespace

std::string PictureComment(const std::string& picture, const char* mimeType, int width, int height) {
  constexpr std::uint32_t kFrontCover = 3;
  constexpr std::uint32_t kColourDepth = 24;
  const std::string mime = mimeType;
  std::string block;
  AppendWord(block, kFrontCover);
  AppendWord(block, static_cast<std::uint32_t>(mime.size()));
  block += mime;
  AppendWord(block, 0);  // no description
  AppendWord(block, static_cast<std::uint32_t>(width));
  AppendWord(block, static_cast<std::uint32_t>(height));
  AppendWord(block, kColourDepth);
  AppendWord(block, 0);  // not an indexed picture
  AppendWord(block, static_cast<std::uint32_t>(picture.size()));
  block += picture;
  return Base64(block);
}

std::string EscapedMetadata(const std::string& value) {
  std::string out;
  for (char c : value) {
    if (c == '=' || c == ';' || c == '#' || c == '\\' || c == '\n') out += '\\';
    out += c;
  }
  return out;
}

bool PrepareSideFiles(const SideWork& side, std::string& error) {
  if (side.empty()) return true;
  const bool made = (side.coverFile.empty() || ExtractCover(side, error)) &&
                    (side.metadataFile.empty() || WriteComments(side, error)) &&
                    (side.subtitleFile.empty() || CutSubtitles(side, error));
  if (!made) RemoveSideFiles(side);
  return made;
}

void RemoveSideFiles(const SideWork& side) {
  for (const std::string& file : side.files()) {
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
  }
}

}  // namespace orva::encoder
