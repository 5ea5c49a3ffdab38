// One file of every container the catalogue writes, each read by the
// reference tool of its format as a player or a browser would meet it: the
// tool must read it without a complaint and find what the profile asked
// for. MP4-family files must have their index before their data, so that
// they play while they download. Every reading is printed, so that a run
// shows what each tool said.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>

#include "cli_test_support.h"
#include "reference_tools.h"

namespace orva::test {
namespace {

namespace fs = std::filesystem;

enum class Tool { MediaInfo, MkvMerge, MkvInfo, OggInfo, Mp3Val, Flac, Sox, Boxes };

struct Check {
  Tool tool;
  const char* wanted;  // a part of what the tool must say
};

struct ClientCase {
  const char* name;
  int profileId;
  std::vector<std::string> choices;  // further orva-convert options
  const char* extension;             // of the file written
  std::vector<Check> checks;
};

const char* NameOf(Tool tool) {
  switch (tool) {
    case Tool::MediaInfo: return "mediainfo";
    case Tool::MkvMerge: return "mkvmerge --identify";
    case Tool::MkvInfo: return "mkvinfo";
    case Tool::OggInfo: return "ogginfo";
    case Tool::Mp3Val: return "mp3val";
    case Tool::Flac: return "flac --test";
    case Tool::Sox: return "sox";
    case Tool::Boxes: return "top-level boxes";
  }
  return "";
}

Reading Read(Tool tool, const std::string& path) {
  switch (tool) {
    case Tool::MediaInfo: return ReadWithMediaInfo(path);
    case Tool::MkvMerge: return ReadWithMkvMerge(path);
    case Tool::MkvInfo: return ReadWithMkvInfo(path);
    case Tool::OggInfo: return ReadWithOggInfo(path);
    case Tool::Mp3Val: return ReadWithMp3Val(path);
    case Tool::Flac: return ReadWithFlac(path);
    case Tool::Sox: return ReadWithSox(path);
    case Tool::Boxes: return ReadBoxes(path);
  }
  return {};
}

using T = Tool;
constexpr Check kIndexFirst{T::Boxes, "moov"};

const ClientCase kContainers[] = {
    {"Mp4", 11106, {}, ".mp4",
     {{T::MediaInfo, "MPEG-4 (Base Media); video MPEG-4 Visual"}, {T::MkvMerge, "container: QuickTime/MP4"}, kIndexFirst}},
    {"M4v", 11212, {"--extension", ".m4v"}, ".m4v",
     {{T::MediaInfo, "MPEG-4; video AVC"}, {T::MkvMerge, "container: QuickTime/MP4"}, kIndexFirst}},
    {"M4aAac", 11405, {}, ".m4a",
     {{T::MediaInfo, "MPEG-4 (Apple audio with iTunes info); audio AAC"}, {T::MkvMerge, "audio (AAC)"}, kIndexFirst}},
    {"M4aAlac", 11501, {}, ".m4a",
     {{T::MediaInfo, "MPEG-4 (Apple audio with iTunes info); audio ALAC"}, {T::MkvMerge, "audio (ALAC)"}, kIndexFirst}},
    {"Mov", 11105, {}, ".mov",
     {{T::MediaInfo, "MPEG-4 (QuickTime)"}, {T::MkvMerge, "container: QuickTime/MP4"}, kIndexFirst}},
    {"Qt", 11105, {"--extension", ".qt"}, ".qt", {{T::MediaInfo, "MPEG-4 (QuickTime)"}, kIndexFirst}},
    // AMR-NB asked for, AAC written: this ffmpeg has no AMR encoder.
    {"ThreeGp", 10700, {}, ".3gp",
     {{T::MediaInfo, "MPEG-4 (3GPP Media Release 4); video H.263"}, {T::MkvMerge, "audio (AAC)"}, kIndexFirst}},
    {"ThreeGpp", 10500, {"--extension", ".3gpp"}, ".3gpp", {{T::MediaInfo, "MPEG-4 (3GPP Media"}, kIndexFirst}},
    {"ThreeG2", 10700, {"--extension", ".3g2"}, ".3g2",
     {{T::MediaInfo, "MPEG-4 (3GPP2 Media)"}, {T::MkvMerge, "container: QuickTime/MP4"}, kIndexFirst}},
    // H.264 in a 3GPP2 file carries the Release B brand, which mediainfo
    // names instead of a format; it reads the streams all the same.
    {"ThreeGp2", 10701, {"--extension", ".3gp2"}, ".3gp2",
     {{T::MediaInfo, "3g2b; video AVC"}, {T::MkvMerge, "container: QuickTime/MP4"}, kIndexFirst}},
    {"AviXvid", 11113, {}, ".avi",
     {{T::MediaInfo, "AVI; video MPEG-4 Visual [XVID]"}, {T::MkvMerge, "container: AVI"}}},
    {"Wmv", 11112, {}, ".wmv", {{T::MediaInfo, "Windows Media; video WMV2"}}},
    // Windows Media video under an .mp4 name is written as what it is.
    {"WmvFromAnMp4Profile", 10512, {}, ".wmv", {{T::MediaInfo, "Windows Media; video WMV2"}}},
    {"Asf", 11101, {}, ".asf", {{T::MediaInfo, "Windows Media; video MPEG-4 Visual"}}},
    {"Wma", 11410, {}, ".wma", {{T::MediaInfo, "Windows Media; audio WMA"}}},
    {"Mkv", 11100, {}, ".mkv", {{T::MkvMerge, "container: Matroska"}, {T::MkvInfo, "document type matroska, 2 tracks"}}},
    {"WebM", 11211, {}, ".webm",
     {{T::MkvMerge, "video (VP8), audio (Vorbis)"}, {T::MkvInfo, "document type webm, 2 tracks"}}},
    {"Dv", 11103, {}, ".dv", {{T::MediaInfo, "DV; video DV"}}},
    {"Mpg", 11107, {}, ".mpg", {{T::MediaInfo, "MPEG-PS; video MPEG Video"}, {T::MkvMerge, "container: MPEG program stream"}}},
    {"Mpeg", 11108, {"--extension", ".mpeg"}, ".mpeg", {{T::MkvMerge, "container: MPEG program stream"}}},
    {"Vob", 11104, {}, ".vob", {{T::MediaInfo, "MPEG-PS; video MPEG Video"}, {T::MkvMerge, "audio (AC-3)"}}},
    {"Ts", 11306, {}, ".ts", {{T::MediaInfo, "MPEG-TS"}, {T::MkvMerge, "container: MPEG transport stream"}}},
    // Cook asked for, AC-3 written: this ffmpeg has no RealAudio encoder.
    {"Rmvb", 11110, {}, ".rmvb", {{T::MediaInfo, "RealMedia"}, {T::MkvMerge, "video (RealVideo), audio (AC-3)"}}},
    {"Ra", 11408, {}, ".ra", {{T::MediaInfo, "RealMedia; audio AC-3"}, {T::MkvMerge, "container: RealMedia"}}},
    {"Ram", 11408, {"--extension", ".ram"}, ".ram", {{T::MkvMerge, "container: RealMedia"}}},
    {"OggVorbis", 11407, {}, ".ogg", {{T::OggInfo, "vorbis streams"}}},
    {"OggTheora", 11210, {}, ".oggv", {{T::OggInfo, "theora, vorbis streams"}}},
    {"Au", 11404, {}, ".au", {{T::Sox, "au, 44100 Hz, 2 ch"}}},
    {"Wav", 11409, {}, ".wav", {{T::Sox, "wav, "}, {T::MkvMerge, "container: WAV"}}},
    {"Aiff", 11403, {}, ".aiff", {{T::Sox, "aiff, 44100 Hz, 2 ch"}}},
    {"Mp3", 11400, {}, ".mp3", {{T::Mp3Val, "(MPEG 1 Layer III)"}}},
    {"Aac", 11401, {}, ".aac", {{T::MediaInfo, "ADTS; audio AAC"}, {T::MkvMerge, "container: AAC"}}},
    {"Ac3", 11402, {}, ".ac3", {{T::MediaInfo, "AC-3; audio AC-3"}, {T::MkvMerge, "container: AC-3"}}},
    {"Mp2", 11406, {}, ".mp2", {{T::MediaInfo, "MPEG Audio; audio MPEG Audio"}, {T::MkvMerge, "audio (MP2)"}}},
    {"Flac", 11502, {}, ".flac", {{T::Flac, "ok"}}},
};

// The Web Video profiles that write MP4: all of them must play while they
// download.
const ClientCase kWebProfiles[] = {
    {"YouTube", 11200, {}, ".mp4", {kIndexFirst}},
    {"YouTubeHd", 11201, {}, ".mp4", {kIndexFirst}},
    {"DailymotionHd", 11202, {}, ".mp4", {kIndexFirst}},
    {"Dailymotion", 11203, {}, ".mp4", {kIndexFirst}},
    {"FacebookHd", 11204, {}, ".mp4", {kIndexFirst}},
    {"Facebook", 11205, {}, ".mp4", {kIndexFirst}},
    {"FlickrHd", 11206, {}, ".mp4", {kIndexFirst}},
    {"Flickr", 11207, {}, ".mp4", {kIndexFirst}},
    {"VimeoHd", 11208, {}, ".mp4", {kIndexFirst}},
    {"Vimeo", 11209, {}, ".mp4", {kIndexFirst}},
    {"Html5H264", 11212, {}, ".mp4", {kIndexFirst}},
};

// Names the case in test listings instead of its bytes.
void PrintTo(const ClientCase& c, std::ostream* out) { *out << c.name; }

// A one-second clip shared by the test processes of this build; each makes
// its own copy first and the rename makes the first finished one the clip.
std::string SourceClip() {
  const std::string path = std::string(ORVA_MEDIA_DIR) + "/clip.mkv";
  if (!fs::exists(path)) {
    const std::string part = path + ".part-" + std::to_string(getpid()) + ".mkv";
    if (MakeClip(part, 1.0)) fs::rename(part, path);
  }
  return path;
}

class RealClientTest : public ::testing::TestWithParam<ClientCase> {};

TEST_P(RealClientTest, TheFormatsOwnToolsReadTheFile) {
  const ClientCase& c = GetParam();
  const std::string source = SourceClip();
  ASSERT_TRUE(fs::exists(source)) << "ffmpeg could not make the clip";
  ProgramFolder program{ORVA_ENCODER};
  ScratchFolder out;
  std::vector<std::string> arguments{"--profile", std::to_string(c.profileId), "--output-dir", out.path()};
  arguments.insert(arguments.end(), c.choices.begin(), c.choices.end());
  arguments.push_back(source);
  const CliResult result = program.run(arguments);
  const std::string path = out.file(std::string("clip") + c.extension);
  ASSERT_EQ(result.out, "Success!  " + path + "\n") << result.err;
  for (const Check& check : c.checks) {
    const Reading reading = Read(check.tool, path);
    std::cout << c.extension << "  " << NameOf(check.tool) << ": " << reading.said << "\n";
    EXPECT_TRUE(reading.clean) << NameOf(check.tool) << ": " << reading.said;
    EXPECT_NE(reading.said.find(check.wanted), std::string::npos)
        << NameOf(check.tool) << " said: " << reading.said << "\nwanted: " << check.wanted;
  }
}

const auto kCaseName = [](const ::testing::TestParamInfo<ClientCase>& c) { return std::string(c.param.name); };

INSTANTIATE_TEST_SUITE_P(Containers, RealClientTest, ::testing::ValuesIn(kContainers), kCaseName);
INSTANTIATE_TEST_SUITE_P(WebProfiles, RealClientTest, ::testing::ValuesIn(kWebProfiles), kCaseName);

}  // namespace
}  // namespace orva::test
