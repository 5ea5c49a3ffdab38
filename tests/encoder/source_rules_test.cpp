// What the encoder program makes of its source: the streams it converts,
// the picture format, and the H.264 profile and level for the frame size.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/command_line.h"
#include "tools/encoder/encode_plan.h"
#include "tools/encoder/h264_profile.h"
#include "tools/encoder/source_facts.h"

namespace orva::encoder {
namespace {

using Arguments = std::vector<std::string>;

std::string Stream(int index, const std::string& type, const std::string& more = "") {
  return "[STREAM]\nindex=" + std::to_string(index) + "\ncodec_type=" + type + "\n" + more +
         "[/STREAM]\n";
}

const std::string kPicture = Stream(0, "video",
                                    "width=1920\nheight=1080\nr_frame_rate=60/1\n"
                                    "avg_frame_rate=30000/1001\nDISPOSITION:attached_pic=0\n");
const std::string kCoverArt = Stream(3, "video", "width=600\nheight=600\nDISPOSITION:attached_pic=1\n");

TEST(SourceFactsTest, FindsThePictureAndTheMainAudio) {
  const SourceFacts facts = ParseSourceReport(
      kCoverArt + kPicture + Stream(1, "audio", "DISPOSITION:default=0\n") +
      Stream(2, "subtitle") + Stream(4, "audio", "DISPOSITION:default=1\n") +
      Stream(5, "audio", "DISPOSITION:default=1\n"));
  EXPECT_TRUE(facts.known);
  EXPECT_EQ(facts.videoStream, 0);
  EXPECT_EQ(facts.width, 1920);
  EXPECT_EQ(facts.height, 1080);
  EXPECT_NEAR(facts.frameRate, 29.97, 0.01);
  EXPECT_EQ(facts.audioStream, 4);
  EXPECT_TRUE(facts.coverArt);
}

TEST(SourceFactsTest, MoreThanAPictureAndASoundIsNoticed) {
  const std::string plain = kPicture + Stream(1, "audio");
  // What every muxer stamps on a file is no tag of the user's.
  EXPECT_FALSE(ParseSourceReport(plain + "[FORMAT]\nTAG:encoder=Lavf59.27.100\nTAG:major_brand=isom\n[/FORMAT]\n").more);
  EXPECT_TRUE(ParseSourceReport(plain + "[FORMAT]\nTAG:ARTIST=Singer\n[/FORMAT]\n").more);
  EXPECT_TRUE(ParseSourceReport(plain + Stream(2, "audio")).more);
  EXPECT_TRUE(ParseSourceReport(plain + Stream(2, "subtitle")).more);
  // A tag inside a stream section is the stream's own (its language, its title).
  EXPECT_FALSE(ParseSourceReport(kPicture + Stream(1, "audio", "TAG:title=Main\n")).more);
}

TEST(SourceFactsTest, CoverArtIsNoPictureAndAnEmptyReportIsUnknown) {
  const SourceFacts song = ParseSourceReport(Stream(0, "audio") + kCoverArt);
  EXPECT_EQ(song.videoStream, kNoStream);
  EXPECT_EQ(song.audioStream, 0);
  const SourceFacts unrated =
      ParseSourceReport(Stream(0, "video", "width=8\nheight=8\navg_frame_rate=0/0\nr_frame_rate=25/1\n"));
  EXPECT_DOUBLE_EQ(unrated.frameRate, 25);
  EXPECT_EQ(unrated.audioStream, kNoStream);
  EXPECT_FALSE(ParseSourceReport("Invalid data found when processing input\n").known);
}

TEST(SourceFactsTest, TheWordHandedOnReadsBackExactly) {
  const SourceFacts picture = ParseSourceReport(kCoverArt + kPicture + Stream(1, "audio"));
  SourceFacts read;
  ASSERT_TRUE(orva::ReadSourceFactsWord(orva::SourceFactsWord(picture), read));
  EXPECT_TRUE(read.known);
  EXPECT_EQ(read.videoStream, 0);
  EXPECT_EQ(read.width, 1920);
  EXPECT_EQ(read.height, 1080);
  EXPECT_EQ(read.frameRate, 30000.0 / 1001);  // not a digit lost
  EXPECT_EQ(read.audioStream, 1);
  EXPECT_TRUE(read.coverArt);

  EXPECT_TRUE(read.more);  // the cover art

  const SourceFacts song = ParseSourceReport(Stream(0, "audio"));
  EXPECT_EQ(orva::SourceFactsWord(song), "-1,0,0,0,0,0,0");
  ASSERT_TRUE(orva::ReadSourceFactsWord("-1,0,0,0,0,0,0", read));
  EXPECT_EQ(read.videoStream, kNoStream);
  EXPECT_EQ(read.audioStream, 0);
  EXPECT_FALSE(read.more);

  for (const char* bad : {"", "0,320,240,25,1,0", "0,320,240,25,1,0,0,", "0,320,240,25,1,2,0", "0,320,240,25,1,0,2",
                          "0,-5,240,25,1,0,0", "0,320,240,nan,1,0,0", "0,320,240,inf,1,0,0", "0;320;240;25;1;0;0",
                          "-2,320,240,25,1,0,0", "0,320,240,25,1,0,0 "}) {
    EXPECT_FALSE(orva::ReadSourceFactsWord(bad, read)) << bad;
  }
}

struct ProfileCase {
  int width, height;
  double rate;
  const char* profile;
  int level;
};

TEST(H264ProfileTest, FrameSizeDecidesProfileAndTheRateCanRaiseTheLevel) {
  const ProfileCase cases[] = {
      {320, 240, 30, "baseline", 30},  {176, 144, 0, "baseline", 30},
      {854, 480, 25, "baseline", 30},  {854, 480, 29.97, "baseline", 31},
      {640, 480, 60, "baseline", 31},  {720, 576, 25, "main", 31},
      {960, 640, 29.97, "main", 31},   {1280, 720, 30, "main", 31},
      {1280, 720, 60, "main", 32},     {856, 480, 25, "main", 31},
      {1920, 1080, 25, "high", 41},    {1440, 1080, 30, "high", 41},
      {1920, 1080, 60, "high", 42},    {1280, 722, 25, "high", 41},
  };
  for (const ProfileCase& c : cases) {
    const H264Profile chosen = ChooseH264Profile(c.width, c.height, c.rate);
    EXPECT_STREQ(chosen.profile, c.profile) << c.width << "x" << c.height << "@" << c.rate;
    EXPECT_EQ(chosen.level, c.level) << c.width << "x" << c.height << "@" << c.rate;
  }
  EXPECT_EQ(ChooseH264Profile(320, 240, 25).maxBitRate, 10'000'000);
  EXPECT_EQ(ChooseH264Profile(1920, 1080, 25).maxBitRate, 62'500'000);  // High takes 5/4
}

EncodePlan PlanFor(const std::string& commandLine, const SourceFacts& source) {
  const Arguments all = SplitCommandLine(("\"cv.dat\" " + commandLine).c_str());
  EncodeRequest request;
  std::string error;
  EXPECT_EQ(ParseEncodeRequest(Arguments(all.begin() + 1, all.end()), request, error), kParseOk);
  EncodePlan plan;
  EXPECT_EQ(PlanEncode(request, source, plan, error), kPlanOk) << error;
  return plan;
}

std::string ValueOf(const EncodePlan& plan, const std::string& option) {
  const Arguments& out = plan.outputArguments;
  const auto found = std::find(out.begin(), out.end(), option);
  return found == out.end() || found + 1 == out.end() ? "" : *(found + 1);
}

bool Holds(const EncodePlan& plan, const std::string& argument) {
  return std::find(plan.outputArguments.begin(), plan.outputArguments.end(), argument) !=
         plan.outputArguments.end();
}

SourceFacts HdSource() { return ParseSourceReport(kPicture + Stream(1, "audio")); }

TEST(SourceRulesTest, AutoSizeTakesTheSourcesProfileAndTheLevelCapsTheBitRate) {
  const EncodePlan hd = PlanFor("-i a -y -vcodec libx264 -b 1200K -acodec aac o.mp4", HdSource());
  EXPECT_EQ(ValueOf(hd, "-profile:v"), "high");
  EXPECT_EQ(ValueOf(hd, "-level:v"), "4.1");
  EXPECT_EQ(ValueOf(hd, "-maxrate"), "62500k");
  const EncodePlan small =
      PlanFor("-i a -y -vcodec libx264 -s 720x480 -b 12000K -r 29.97 -acodec aac o.mp4", HdSource());
  EXPECT_EQ(ValueOf(small, "-profile:v"), "baseline");
  EXPECT_EQ(ValueOf(small, "-level:v"), "3.0");
  EXPECT_EQ(ValueOf(small, "-b:v"), "10000k");
  EXPECT_EQ(ValueOf(small, "-bufsize"), "10000k");
  const auto said = [&](const char* text) {
    return std::any_of(small.notices.begin(), small.notices.end(),
                       [&](const std::string& n) { return n.find(text) != std::string::npos; });
  };
  EXPECT_TRUE(said("Constrained Baseline level 3.0"));
  EXPECT_TRUE(said("12000k -> 10000k"));
  // With no size known ffmpeg keeps its own choice.
  EXPECT_FALSE(Holds(PlanFor("-i a -y -vcodec libx264 -acodec aac o.mp4", SourceFacts{}), "-profile:v"));
}

TEST(SourceRulesTest, PictureFormatIsEightBitFourTwoZeroExceptDv) {
  const SourceFacts source = HdSource();
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vcodec libvpx -s 320x240 -acodec libvorbis o.webm", source), "-vf"),
            "scale=out_range=tv,format=yuv420p");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vcodec mjpeg -acodec pcm_s16le o.avi", source), "-vf"),
            "scale=trunc(iw/2)*2:trunc(ih/2)*2:out_range=pc,format=yuvj420p");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vcodec rv20 -acodec cook o.rm", source), "-vf"),
            "scale=trunc(iw/4)*4:trunc(ih/4)*4:out_range=tv,format=yuv420p");
  EXPECT_FALSE(Holds(PlanFor("-i a -y -vcodec dvvideo -target ntsc-dv -acodec pcm_s16le o.dv", source), "-vf"));
  EXPECT_TRUE(Holds(PlanFor("-i a -y -vcodec dvvideo -target ntsc-vcd -acodec mp2 o.mpg", source), "-vf"));
}

TEST(SourceRulesTest, OnlyThePictureAndTheMainAudioAreConverted) {
  const SourceFacts film = ParseSourceReport(kPicture + Stream(1, "audio") + Stream(2, "subtitle") +
                                             Stream(3, "audio", "DISPOSITION:default=1\n"));
  const EncodePlan plan = PlanFor("-i a -y -vcodec mpeg4 -acodec aac o.mp4", film);
  const Arguments& out = plan.outputArguments;
  EXPECT_EQ(Arguments(out.begin(), out.begin() + 4), (Arguments{"-map", "0:0", "-map", "0:3"}));
  EXPECT_EQ(std::count(out.begin(), out.end(), "-map"), 2);
}

TEST(SourceRulesTest, CoverArtSongWithAVideoProfileKeepsItsAudioOnly) {
  const SourceFacts song = ParseSourceReport(Stream(0, "audio") + kCoverArt);
  const EncodePlan plan = PlanFor("-i a.mp3 -y -vcodec libx264 -s 320x240 -acodec aac o.mp4", song);
  EXPECT_EQ(plan.outputArguments, (Arguments{"-map", "0:0", "-vn", "-c:a", "aac", "-movflags", "+faststart"}));
  ASSERT_FALSE(plan.notices.empty());
  EXPECT_NE(plan.notices[0].find("only cover art"), std::string::npos);
  // The video encoder still decides the format: Windows Media goes into ASF.
  const EncodePlan wmv = PlanFor("-i a.mp3 -y -vcodec wmv2 -s 320x240 -acodec wmav2 o.mp4", song);
  EXPECT_EQ(ValueOf(wmv, "-f"), "asf");
  EXPECT_FALSE(Holds(wmv, "-c:v"));
}

TEST(SourceRulesTest, SilentSourcesKeepTheirPictureOrAreRefused) {
  const SourceFacts silent = ParseSourceReport(kPicture);
  const EncodePlan video = PlanFor("-i a -y -vcodec mpeg4 -acodec aac -ab 128K o.avi", silent);
  EXPECT_TRUE(Holds(video, "-c:v"));
  EXPECT_FALSE(Holds(video, "-c:a"));
  const Arguments all = SplitCommandLine("\"cv.dat\" -i a -vn -y -acodec libmp3lame o.mp3");
  EncodeRequest request;
  std::string error;
  ASSERT_EQ(ParseEncodeRequest(Arguments(all.begin() + 1, all.end()), request, error), kParseOk);
  EncodePlan plan;
  EXPECT_EQ(PlanEncode(request, silent, plan, error), kPlanError);
  EXPECT_EQ(error, "the source has no audio stream to convert");
  EXPECT_EQ(PlanEncode(request, ParseSourceReport(Stream(0, "subtitle")), plan, error), kPlanError);
}

}  // namespace
}  // namespace orva::encoder
