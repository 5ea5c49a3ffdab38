// Every built-in profile through cv.dat and this ffmpeg: its default choice
// and, one at a time, each further video codec, audio codec and extension.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/job_item.h"
#include "encoder_test_support.h"
#include "iso_boxes.h"
#include "engine/command_line.h"
#include "engine/encoder_command.h"
#include "profiles/catalogue.h"

namespace orva::encoder::test {
namespace {

namespace fs = std::filesystem;

struct Choice {
  int video, audio, extension;
};

Profile& ProfileNumber(int ordinal) {
  for (int c = 0; c < kCategoryCount; ++c) {
    ProfileCategory& category = CategoryTable()[c];
    if (ordinal < category.profileCount) return *category.profiles[ordinal];
    ordinal -= category.profileCount;
  }
  return *CategoryTable()[0].profiles[0];
}

std::vector<Choice> ChoicesOf(const Profile& profile) {
  const Choice base{profile.videoCodecIndex, profile.audioCodecIndex, profile.extensionIndex};
  std::vector<Choice> choices{base};
  for (int v = 0; v < profile.videoCodecCount; ++v) {
    if (v != base.video) choices.push_back({v, base.audio, base.extension});
  }
  for (int a = 0; a < profile.audioCodecCount; ++a) {
    if (a != base.audio) choices.push_back({base.video, a, base.extension});
  }
  for (int e = 0; e < OptionCount(profile.extensions); ++e) {
    if (e != base.extension) choices.push_back({base.video, base.audio, e});
  }
  return choices;
}

bool StartsWith(const std::string& text, const char* prefix) {
  return text.rfind(prefix, 0) == 0;
}

// What ffprobe must find for a video encoder text of the catalogue; a -target
// preset's own codec wins over the name before it.
std::string ExpectedVideoCodec(const std::string& encoder) {
  if (encoder.find("-vcd") != std::string::npos) return "mpeg1video";
  if (encoder.find("-dvd") != std::string::npos) return "mpeg2video";
  if (StartsWith(encoder, "dvvideo")) return "dvvideo";
  if (encoder == "libx264") return "h264";
  if (encoder == "libxvid") return "mpeg4";
  if (encoder == "msmpeg4") return "msmpeg4v3";
  if (encoder == "libvpx") return "vp8";
  if (encoder == "libtheora") return "theora";
  return encoder;
}

// The audio codec ffprobe must find, substitutes included.
std::string ExpectedAudioCodec(const std::string& encoder, const std::string& extension) {
  const bool programStream = extension == ".mpg" || extension == ".mpeg" || extension == ".vob";
  if (encoder == "libvo_aacenc" || encoder == "libopencore_amrnb" || encoder == "libvo_amrwbenc") return "aac";
  if (encoder == "cook") return "ac3";
  if (encoder == "libmp3lame") return "mp3";
  if (encoder == "libvorbis") return "vorbis";
  if (encoder == "pcm_s16le" && extension == ".au") return "pcm_s16be";
  if (encoder == "pcm_s16le" && programStream) return "pcm_dvd";  // LPCM as the demuxer names it
  if (encoder == "pcm_s16le" && extension == ".ts") return "s302m";
  if (encoder == "pcm_s16le" && extension == ".aiff") return "pcm_s16be";
  if (encoder == "pcm_s8" && extension == ".wav") return "pcm_u8";
  return encoder;
}

bool IsWindowsMedia(const std::string& videoEncoder) {
  return videoEncoder == "wmv1" || videoEncoder == "wmv2";
}

bool IsIsoExtension(const std::string& extension) {
  for (const char* iso : {".mp4", ".m4v", ".m4a", ".mov", ".qt", ".3gp", ".3gpp", ".3g2", ".3gp2"}) {
    if (extension == iso) return true;
  }
  return false;
}

// The extension the file is written under: Windows Media video, which no
// MP4-family file can hold, goes into a .wmv file.
std::string WrittenExtension(const std::string& extension, const std::string& videoEncoder) {
  return IsIsoExtension(extension) && IsWindowsMedia(videoEncoder) ? ".wmv" : extension;
}

// A name ffprobe's format list must hold: the container the extension names.
std::string ExpectedFormat(const std::string& extension) {
  if (IsIsoExtension(extension)) return "mp4";
  if (extension == ".wmv" || extension == ".wma" || extension == ".asf") return "asf";
  if (extension == ".mkv") return "matroska";
  if (extension == ".mpg" || extension == ".mpeg" || extension == ".vob") return "mpeg";
  if (extension == ".ts") return "mpegts";
  if (extension == ".rmvb" || extension == ".ram" || extension == ".ra") return "rm";
  if (extension == ".oggv" || extension == ".ogg") return "ogg";
  if (extension == ".aac") return "aac";
  if (extension == ".mp2") return "mp3";  // ffprobe names every MPEG audio file so
  return extension.substr(1);
}

struct H264Expectation {
  std::string profile;  // as ffprobe names it
  int level;
};

// The profile for the picture's size class, at the class's level unless the
// macroblock rate needs the next one.
H264Expectation ExpectedH264(int width, int height, double rate) {
  const double macroblockRate = ((width + 15) / 16) * ((height + 15) / 16) * rate;
  if (width <= 854 && height <= 480) return {"Constrained Baseline", macroblockRate <= 40500 ? 30 : 31};
  if (width <= 1280 && height <= 720) return {"Main", macroblockRate <= 108000 ? 31 : 32};
  return {"High", macroblockRate <= 245760 ? 41 : 42};
}

constexpr double kClipFrameRate = 25;

bool ListHolds(const std::string& list, const std::string& name) {
  std::stringstream items(list);
  std::string item;
  while (std::getline(items, item, ',')) {
    if (item == name) return true;
  }
  return false;
}

class ProfileMatrixTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { SetUpCatalogue(); }

  // Converts the shared clip with the profile as chosen and checks the file.
  void convert(Profile& profile, const Choice& choice) {
    profile.videoCodecIndex = choice.video;
    profile.audioCodecIndex = choice.audio;
    profile.extensionIndex = choice.extension;
    const VideoCodecEntry* video = CurrentVideoEntry(profile);
    const AudioCodecEntry& audio = CurrentAudioEntry(profile);
    const std::string extension = ChosenExtension(profile);
    SCOPED_TRACE(std::string(profile.name) + " / " + (video ? video->encoderName : "no video") +
                 " / " + audio.encoderName + " / " + extension);

    TempFolder folder;
    JobItem job = {};
    std::snprintf(job.path, sizeof job.path, "%s", SharedClip().c_str());
    SplitJobPath(job);
    std::snprintf(job.out_dir, sizeof job.out_dir, "%s", folder.path().c_str());
    job.duration = job.trim_end = 2.0;
    job.profile = &profile;
    char commandLine[kCommandCapacity];
    ASSERT_EQ(BuildEncoderCommand(EncoderProgram().c_str(), job, commandLine), 0);
    const std::string output = SplitCommandLine(commandLine).back();

    const ChildResult run = RunChild(commandLine);
    ASSERT_EQ(run.exitCode, 0) << commandLine << "\n" << run.output;
    const std::string written = WrittenPath(run.output, output);
    const std::string writtenExtension = WrittenExtension(extension, video ? video->encoderName : "");
    EXPECT_EQ(fs::path(written).extension().string(), writtenExtension);
    const MediaFacts facts = ProbeMedia(written);
    ASSERT_TRUE(facts.readable) << commandLine;
    EXPECT_NEAR(facts.duration, 2.0, 0.5) << commandLine;
    EXPECT_TRUE(ListHolds(facts.formatName, ExpectedFormat(writtenExtension))) << facts.formatName;
    EXPECT_EQ(facts.audioCodec, ExpectedAudioCodec(audio.encoderName, extension));
    if (IsIsoExtension(writtenExtension)) {
      EXPECT_TRUE(IndexComesFirst(TopLevelBoxes(written))) << "the index must come before the data";
    }
    if (video == nullptr) {
      EXPECT_EQ(facts.videoCodec, "");
      return;
    }
    EXPECT_EQ(facts.videoCodec, ExpectedVideoCodec(video->encoderName));
    const std::string encoder = video->encoderName;
    const std::string writtenSize = std::to_string(facts.width) + "x" + std::to_string(facts.height);
    const char* size = GetOptionItem(video->sizes, video->sizeIndex);
    if (StartsWith(encoder, "dvvideo -target") && encoder.find("-dv") != std::string::npos) {
      // DV frames come in two sizes only, whatever size was asked for.
      EXPECT_TRUE(writtenSize == "720x480" || writtenSize == "720x576") << writtenSize;
    } else if (std::strcmp(size, kAutoItem) != 0) {
      EXPECT_EQ(writtenSize, size);
    }
    if (encoder == "libx264") {
      const char* rateItem = GetOptionItem(video->frameRates, video->frameRateIndex);
      const double rate = std::strcmp(rateItem, kAutoItem) == 0 ? kClipFrameRate : std::atof(rateItem);
      const H264Expectation expected = ExpectedH264(facts.width, facts.height, rate);
      EXPECT_EQ(facts.videoProfile, expected.profile) << facts.width << "x" << facts.height;
      EXPECT_EQ(facts.videoLevel, expected.level) << facts.width << "x" << facts.height << "@" << rate;
    }
    if (encoder == "mpeg4" || encoder == "libxvid") {
      EXPECT_EQ(facts.videoProfile, "Simple Profile");
    }
    if (encoder == "libxvid" && extension == ".avi") {
      EXPECT_EQ(facts.videoTag, "XVID");
    }
  }
};

TEST_P(ProfileMatrixTest, EveryChoiceGivesTheFileAskedFor) {
  Profile& profile = ProfileNumber(GetParam());
  for (const Choice& choice : ChoicesOf(profile)) convert(profile, choice);
}

// Runs `check` once for every item of `index`'s list but the chosen one,
// then puts the chosen item back.
template <typename Check>
void ForEachOtherItem(OptionList list, std::int32_t& index, Check check) {
  const std::int32_t chosen = index;
  for (int item = 0; item < OptionCount(list); ++item) {
    if (item == chosen) continue;
    index = item;
    check();
  }
  index = chosen;
}

// Every item of every option list of every codec entry, one at a time. Too
// long for every run (about 2200 conversions); run it with
// --gtest_also_run_disabled_tests after a change to the translations.
TEST_P(ProfileMatrixTest, DISABLED_EveryOptionItemGivesTheFileAskedFor) {
  Profile& profile = ProfileNumber(GetParam());
  const Choice base{profile.videoCodecIndex, profile.audioCodecIndex, profile.extensionIndex};
  for (int v = 0; v < profile.videoCodecCount; ++v) {
    VideoCodecEntry& video = profile.videoCodecs[v];
    const auto check = [&] { convert(profile, {v, base.audio, base.extension}); };
    ForEachOtherItem(video.sizes, video.sizeIndex, check);
    ForEachOtherItem(video.videoBitrates, video.videoBitrateIndex, check);
    ForEachOtherItem(video.frameRates, video.frameRateIndex, check);
    ForEachOtherItem(video.aspectRatios, video.aspectRatioIndex, check);
  }
  for (int a = 0; a < profile.audioCodecCount; ++a) {
    AudioCodecEntry& audio = profile.audioCodecs[a];
    const auto check = [&] { convert(profile, {base.video, a, base.extension}); };
    ForEachOtherItem(audio.audioBitrates, audio.audioBitrateIndex, check);
    ForEachOtherItem(audio.sampleRates, audio.sampleRateIndex, check);
    ForEachOtherItem(audio.channels, audio.channelIndex, check);
  }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, ProfileMatrixTest, ::testing::Range(0, kBuiltInProfileCount),
                         [](const ::testing::TestParamInfo<int>& number) {
                           return "Profile" + std::to_string(number.param);
                         });

}  // namespace
}  // namespace orva::encoder::test
