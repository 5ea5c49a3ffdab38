#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "decimal_comma_locale.h"
#include "encoder_test_support.h"
#include "engine/command_line.h"
#include "tools/encoder/bit_rate.h"
#include "tools/encoder/encode_plan.h"
#include "tools/encoder/encode_request.h"
#include "tools/encoder/ffmpeg_command.h"
#include "tools/encoder/progress_filter.h"
#include "tools/encoder/temporary_output.h"

namespace orva::encoder {
namespace {

using Arguments = std::vector<std::string>;

// The arguments after the program name of a converter command line.
Arguments ArgumentsOf(const std::string& commandLine) {
  Arguments all = SplitCommandLine(("\"cv.dat\" " + commandLine).c_str());
  return Arguments(all.begin() + 1, all.end());
}

EncodePlan PlanFor(const std::string& commandLine) {
  EncodeRequest request;
  std::string error;
  EXPECT_EQ(ParseEncodeRequest(ArgumentsOf(commandLine), request, error), kParseOk) << error;
  EncodePlan plan;
  EXPECT_EQ(PlanEncode(request, SourceFacts{}, plan, error), kPlanOk) << error;
  return plan;
}

// The value that follows `option` in the output arguments, or "" when absent.
std::string ValueOf(const EncodePlan& plan, const std::string& option) {
  const Arguments& out = plan.outputArguments;
  const auto found = std::find(out.begin(), out.end(), option);
  return found == out.end() || found + 1 == out.end() ? "" : *(found + 1);
}

TEST(EncodeRequestTest, ReadsTheConverterCommandLine) {
  EncodeRequest r;
  std::string error;
  ASSERT_EQ(ParseEncodeRequest(ArgumentsOf(" -ss 10.000000 -i \"/in/a b.avi\"  -t 20.000000 -y "
                                           "-vcodec mpeg4 -s 320x240 -b 640K -r 29.97 -aspect 4:3 "
                                           "-acodec libvo_aacenc -ab 128K -ar 48000 -ac 2 \"/out/a b.mp4\""),
                               r, error),
            kParseOk)
      << error;
  EXPECT_EQ(r.seek, "10.000000");
  EXPECT_EQ(r.input, "/in/a b.avi");
  EXPECT_EQ(r.length, "20.000000");
  EXPECT_TRUE(r.hasVideo);
  EXPECT_EQ(r.video.encoder, "mpeg4");
  EXPECT_EQ(r.video.size, "320x240");
  EXPECT_EQ(r.video.bitrate, "640K");
  EXPECT_EQ(r.video.frameRate, "29.97");
  EXPECT_EQ(r.video.aspect, "4:3");
  EXPECT_EQ(r.audio.encoder, "libvo_aacenc");
  EXPECT_EQ(r.audio.channels, "2");
  EXPECT_EQ(r.output, "/out/a b.mp4");
}

TEST(EncodeRequestTest, KeepsCodecEntryOptionsAndAudioOnlyRequests) {
  EncodeRequest r;
  std::string error;
  ASSERT_EQ(ParseEncodeRequest(ArgumentsOf("-i a.avi -y -vcodec dvvideo -target pal-dv -s 720x576 "
                                           "-acodec pcm_s16le -ar 48000 o.dv"),
                               r, error),
            kParseOk);
  EXPECT_EQ(r.video.extras, (Arguments{"-target", "pal-dv"}));
  ASSERT_EQ(ParseEncodeRequest(ArgumentsOf("-i a.avi  -vn -y -acodec libmp3lame o.mp3"), r, error),
            kParseOk);
  EXPECT_FALSE(r.hasVideo);
  EXPECT_TRUE(r.noVideo);
}

TEST(EncodeRequestTest, RefusesWhatTheConverterNeverSends) {
  EncodeRequest r;
  std::string error;
  for (const char* line : {"", "-i a.avi -y -acodec aac", "-i a.avi -acodec aac o.mp4",
                           "-i a.avi -y -acodec aac -q 3 o.mp4", "-y -acodec aac o.mp4",
                           "-i a.avi -y -acodec aac -ab o.mp4", "-i a.avi -y o.mp4",
                           "-i a.avi -y -acodec aac -acodec mp2 o.mp4"}) {
    EXPECT_EQ(ParseEncodeRequest(ArgumentsOf(line), r, error), kParseError) << line;
    EXPECT_FALSE(error.empty()) << line;
  }
}

TEST(EncodePlanTest, DefaultIpodProfileSwapsOnlyTheAacEncoder) {
  const EncodePlan plan = PlanFor("-i a.avi -y -vcodec mpeg4 -s 320x240 -b 640K -r 29.97 "
                                  "-acodec libvo_aacenc -ab 128K -ar 48000 -ac 2 o.mp4");
  EXPECT_EQ(plan.inputArguments, (Arguments{"-i", "a.avi"}));
  EXPECT_EQ(plan.outputArguments,
            (Arguments{"-c:v", "mpeg4", "-s", "320x240", "-b:v", "640k", "-r", "29.97", "-vf",
                       "scale=out_range=tv,format=yuv420p", "-c:a", "aac", "-b:a", "128k", "-ar",
                       "48000", "-ac", "2", "-movflags", "+faststart"}));
  ASSERT_EQ(plan.notices.size(), 1u);
  EXPECT_NE(plan.notices[0].find("libvo_aacenc -> aac"), std::string::npos);
}

TEST(EncodePlanTest, ReplacesMissingEncoders) {
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vn -acodec vorbis -ab 128K o.ogg"), "-c:a"), "libvorbis");
  const EncodePlan amr = PlanFor("-i a -y -vcodec h263 -acodec libopencore_amrnb -ab 6.7k -ar 8000 -ac 1 o.3gp");
  EXPECT_EQ(ValueOf(amr, "-c:a"), "aac");
  EXPECT_EQ(ValueOf(amr, "-ar"), "8000");
  EXPECT_EQ(ValueOf(amr, "-ac"), "1");
  EXPECT_EQ(ValueOf(amr, "-b:a"), "6700");
  const EncodePlan real = PlanFor("-i a -y -vcodec rv20 -b 384K -r 25 -acodec cook -ab 64K o.rmvb");
  EXPECT_EQ(ValueOf(real, "-c:a"), "ac3");
  EXPECT_EQ(ValueOf(real, "-f"), "rm");
}

TEST(EncodePlanTest, GivesTheFormatWhereTheExtensionNamesNoMuxer) {
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vcodec libtheora -acodec libvorbis o.oggv"), "-f"), "ogg");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vn -acodec cook o.ram"), "-f"), "rm");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vcodec h263 -acodec aac o.3gpp"), "-f"), "3gp");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vcodec h263 -acodec aac o.3gp2"), "-f"), "3g2");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vcodec mpeg4 -acodec aac o.QT"), "-f"), "mov");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vcodec mpeg4 -acodec aac o.mp4"), "-f"), "");
}

TEST(EncodePlanTest, ChannelsAndBareBitRates) {
  const EncodePlan surround = PlanFor("-i a -y -vn -acodec ac3 -ab 32K -ac 5.1 o.ac3");
  EXPECT_EQ(ValueOf(surround, "-ac"), "6");
  EXPECT_EQ(ValueOf(surround, "-b:a"), "48k");  // 5.1 AC-3 cannot be coded in less
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vn -acodec mp2 -ac 5.1 o.mp2"), "-ac"), "2");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vn -acodec libmp3lame -ac 5.1 o.mp3"), "-ac"), "2");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vn -acodec aac -ac 5.1 o.m4a"), "-ac"), "6");
  const EncodePlan bare = PlanFor("-i a -y -vcodec libx264 -b 160 -acodec ac3 -ab 112 o.mkv");
  EXPECT_EQ(ValueOf(bare, "-b:v"), "160k");
  EXPECT_EQ(ValueOf(bare, "-b:a"), "112k");
  EXPECT_EQ(bare.notices.size(), 2u);
}

TEST(EncodePlanTest, StoresPcmAsEachContainerNeeds) {
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vn -acodec pcm_s16le -ar 44100 o.au"), "-c:a"), "pcm_s16be");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vn -acodec pcm_s16le -ar 44100 o.aiff"), "-c:a"), "pcm_s16be");
  const EncodePlan ps = PlanFor("-i a -y -vcodec mpeg2video -acodec pcm_s16le -ar 22050 o.vob");
  EXPECT_EQ(ValueOf(ps, "-c:a"), "pcm_s16be");
  EXPECT_EQ(ValueOf(ps, "-ar"), "32000");
  const EncodePlan ts = PlanFor("-i a -y -vcodec mpeg2video -acodec pcm_s16le -ar 44100 -ac 1 o.ts");
  EXPECT_EQ(ValueOf(ts, "-c:a"), "s302m");
  EXPECT_EQ(ValueOf(ts, "-ar"), "48000");
  EXPECT_EQ(ValueOf(ts, "-ac"), "2");
  EXPECT_EQ(ValueOf(ts, "-strict"), "-2");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vn -acodec pcm_s8 o.wav"), "-c:a"), "pcm_u8");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vn -acodec pcm_s8 o.au"), "-c:a"), "pcm_s8");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vcodec libx264 -acodec pcm_s16le o.mkv"), "-c:a"), "pcm_s16le");
}

TEST(EncodePlanTest, KeepsAudioValuesInsideWhatEncodersAccept) {
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vn -acodec ac3 -ar 8000 o.ac3"), "-ar"), "32000");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vn -acodec ac3 -ar 96000 o.ac3"), "-ar"), "48000");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vn -acodec mp2 -ab 384K -ar 22050 o.mp2"), "-b:a"), "160k");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vn -acodec mp2 -ab 500K -ar 44100 o.mp2"), "-b:a"), "384k");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vn -acodec mp2 -ab 128K -ar 44100 o.mp2"), "-b:a"), "128k");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vn -acodec wmav2 -ab 8K o.wma"), "-b:a"), "24k");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vn -acodec libvorbis -ab 320K -ar 22050 -ac 1 o.ogg"), "-b:a"), "80k");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vn -acodec libvorbis -ab 32K -ar 44100 -ac 2 o.ogg"), "-b:a"), "48k");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vn -acodec libvorbis -ab 128K -ar 44100 -ac 2 o.ogg"), "-b:a"), "128k");
}

TEST(EncodePlanTest, FormatFollowsTheFileNameAgainstPresetsAndCodecs) {
  const EncodePlan vcd = PlanFor("-i a -y -vcodec dvvideo -target ntsc-vcd -s 352x240 -b 1150K "
                                 "-acodec mp2 -ab 224K o.mkv");
  EXPECT_EQ(ValueOf(vcd, "-f"), "matroska");
  EXPECT_EQ(ValueOf(vcd, "-target"), "ntsc-vcd");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vcodec dvdvideo -target pal-dvd -acodec ac3 o.vob"), "-f"), "");
  const EncodePlan wmv = PlanFor("-i a -y -vcodec wmv2 -b 3500K -acodec wmav2 /out/o.mp4");
  EXPECT_EQ(ValueOf(wmv, "-f"), "asf");
  EXPECT_EQ(wmv.outputPath, "/out/o.wmv");  // named for what it holds
  EXPECT_EQ(ValueOf(wmv, "-movflags"), "");
  const EncodePlan wmv1 = PlanFor("-i a -y -vcodec wmv1 -acodec wmav1 /out/o.x.3gpp");
  EXPECT_EQ(wmv1.outputPath, "/out/o.x.wmv");
  const EncodePlan asf = PlanFor("-i a -y -vcodec wmv2 -acodec wmav2 o.wmv");
  EXPECT_EQ(ValueOf(asf, "-f"), "");
  EXPECT_EQ(asf.outputPath, "o.wmv");
}

TEST(EncodePlanTest, EveryMp4FamilyFileHasItsIndexFirst) {
  for (const char* name : {"o.mp4", "o.m4v", "o.m4a", "o.MOV", "o.qt", "o.3gp", "o.3gpp", "o.3g2", "o.3gp2"}) {
    const EncodePlan plan = PlanFor(std::string("-i a -y -vcodec mpeg4 -acodec aac ") + name);
    EXPECT_EQ(ValueOf(plan, "-movflags"), "+faststart") << name;
    EXPECT_EQ(plan.outputPath, name);
  }
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vn -acodec alac o.m4a"), "-movflags"), "+faststart");
  for (const char* name : {"o.avi", "o.mkv", "o.ts", "o.mp3", "o.flac", "o.webm"}) {
    EXPECT_EQ(ValueOf(PlanFor(std::string("-i a -y -vcodec mpeg4 -acodec aac ") + name), "-movflags"), "") << name;
  }
}

TEST(EncodePlanTest, XvidInAviCarriesTheFourCcPlayersLookFor) {
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vcodec libxvid -acodec libmp3lame o.avi"), "-vtag"), "XVID");
  // MP4-family files name the codec by their own object type, not a FourCC.
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vcodec libxvid -acodec aac o.3gp"), "-vtag"), "");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vcodec mpeg4 -acodec libmp3lame o.avi"), "-vtag"), "");
}

TEST(EncodePlanTest, DvTakesOnlyItsOwnSizesAndStereo) {
  const EncodePlan dv = PlanFor("-i a -y -vcodec dvvideo -target pal-dv -s 480x320 -r 25 "
                                "-acodec pcm_s16le -ar 48000 -ac 1 o.dv");
  EXPECT_EQ(ValueOf(dv, "-s"), "720x576");
  EXPECT_EQ(ValueOf(dv, "-ac"), "2");
  EXPECT_EQ(ValueOf(dv, "-af"), "aresample=async=1:first_pts=0,apad");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vcodec dvvideo -target ntsc-dv -s 480x320 -acodec pcm_s16le o.dv"), "-s"),
            "720x480");
}

TEST(EncodePlanTest, RealMediaFramesStayUnder64KiB) {
  const EncodePlan hd = PlanFor("-i a -y -vcodec rv20 -s 1920x1080 -b 8000K -r 15 -acodec cook o.rmvb");
  EXPECT_EQ(ValueOf(hd, "-b:v"), "3600k");
  EXPECT_EQ(ValueOf(hd, "-maxrate"), "3600k");
  EXPECT_EQ(ValueOf(hd, "-bufsize"), "480k");
  EXPECT_EQ(ValueOf(PlanFor("-i a -y -vcodec rv20 -b 384K -r 25 -acodec cook o.rmvb"), "-b:v"), "384k");
}

TEST(FfmpegCommandTest, QuotesPathsAndEndsWithTheOutput) {
  const EncodePlan plan = PlanFor(" -ss 5.000000 -i \"/in/my clip.avi\" -y -vn -acodec flac o.flac");
  EXPECT_EQ(FfmpegCommandLine(plan, "/out dir/.o.part-7.flac"),
            "ffmpeg -hide_banner -stats -ss 5.000000 -i \"/in/my clip.avi\" -vn -c:a flac -y "
            "\"/out dir/.o.part-7.flac\"");
}

TEST(ProgressFilterTest, RewritesClockTimesAsSeconds) {
  EXPECT_EQ(RewriteClockTimes("frame=  50 size=  118kB time=00:01:02.50 bitrate=482.9kbits/s"),
            "frame=  50 size=  118kB time=62.50 bitrate=482.9kbits/s");
  EXPECT_EQ(RewriteClockTimes("time=01:00:00.00"), "time=3600.00");
  EXPECT_EQ(RewriteClockTimes("time=-00:00:00.02 x"), "time=-0.02 x");
  EXPECT_EQ(RewriteClockTimes("size=N/A time=N/A bitrate=N/A"), "size=N/A time=N/A bitrate=N/A");
  // A garbled clock with endless digits stays a large positive time.
  const std::string garbled = RewriteClockTimes("time=00:0666666666666666666666:00.00");
  ASSERT_TRUE(garbled.starts_with("time=")) << garbled;
  EXPECT_GT(std::stod(garbled.substr(5)), 1e9) << garbled;
}

// The C library reads "1.5" as 1 and writes 62.5 as "62,50" there.
TEST(ProgressFilterTest, SecondsAndRatesKeepADotInADecimalCommaLocale) {
  std::string why;
  ASSERT_TRUE(orva::test::UseDecimalCommaLocale(why)) << why;
  EXPECT_EQ(RewriteClockTimes("frame=  50 time=00:01:02.50 bitrate=1k"), "frame=  50 time=62.50 bitrate=1k");
  EXPECT_EQ(ParseBitRate("1.5k").bits, 1500);
  orva::test::LeaveDecimalCommaLocale();
}

TEST(ProgressFilterTest, EmitsWholeLinesWithCrAfterStats) {
  ProgressFilter filter;
  EXPECT_EQ(filter.feed("Output #0, mp4\nframe=  1 time=00:00:00.04 bi"), "Output #0, mp4\n");
  EXPECT_EQ(filter.feed("trate=1k\rframe=  2 time=00:00:00.08 bitrate=1k\n"),
            "frame=  1 time=0.04 bitrate=1k\rframe=  2 time=0.08 bitrate=1k\r");
  EXPECT_EQ(filter.lastProgress(), "frame=  2 time=0.08 bitrate=1k\r");
  EXPECT_EQ(filter.feed("\r\n\n"), "");
  EXPECT_EQ(filter.feed("size=  8kB time=00:00:02.00 bitrate=1k\r"), "size=  8kB time=2.00 bitrate=1k\r");
  // A message is never read as progress, whatever it holds.
  EXPECT_EQ(filter.feed("creation_time=2020-01-01\n"),
            "creation_time =2020-01-01\nsize=  8kB time=2.00 bitrate=1k\r");
  EXPECT_EQ(filter.feed("[q] command received."), "");
  EXPECT_EQ(filter.flush(), "[q] command received.\n");
  EXPECT_EQ(filter.flush(), "");
}

// A full disk: the cause comes first, statistics printed while ffmpeg ends
// come after it.
TEST(ProgressFilterTest, TheFailureReasonIsTheFirstErrorNotTheLastLine) {
  ProgressFilter filter;
  filter.feed("Stream mapping:\n  Stream #0:1 -> #0:0 (pcm_s16le (native) -> aac (native))\n"
              "frame=  1 time=00:00:00.04 bitrate=1k\r"
              "[mp4 @ 0x5581] av_interleaved_write_frame(): No space left on device\n"
              "Error writing trailer of /out/.a.part-1.mp4: No space left on device\n"
              "[aac @ 0x5582] Qavg: 61469.016\nConversion failed!\n");
  EXPECT_EQ(filter.failureReason(), "[mp4 @ 0x5581] av_interleaved_write_frame(): No space left on device");
  EXPECT_EQ(filter.lastMessage(), "[aac @ 0x5582] Qavg: 61469.016");

  for (const char* cause : {"/in/a.avi: Permission denied", "/in/a.avi: Invalid data found when processing input"}) {
    ProgressFilter other;
    other.feed(std::string("Guessed Channel Layout for Input Stream #0.0 : mono\n") + cause +
               "\n[aac @ 0x1] Qavg: 1.0\n");
    EXPECT_EQ(other.failureReason(), cause);
  }
  // Without an error text the newest message still says why.
  ProgressFilter plain;
  plain.feed("Output #0, mp4\nsomething unusual happened\nConversion failed!\n");
  EXPECT_EQ(plain.failureReason(), "something unusual happened");
}

}  // namespace
}  // namespace orva::encoder
