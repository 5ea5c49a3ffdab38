#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "decimal_comma_locale.h"
#include "engine/command_line.h"
#include "tools/player/player_commands.h"
#include "tools/player/player_options.h"
#include "tools/player/position_line.h"
#include "tools/player/volume_curve.h"

namespace orva::player {
namespace {

using Kind = PlayerCommand::Kind;

// Parses a window command line (program path first, as the window writes it).
int Parse(const std::string& commandLine, PlayerOptions& options, std::string& error) {
  const std::vector<std::string> all = SplitCommandLine(commandLine.c_str());
  return ParsePlayerOptions({all.begin() + 1, all.end()}, options, error);
}

TEST(PlayerOptionsTest, ReadsTheWindowsCommandLine) {
  PlayerOptions o;
  std::string error;
  ASSERT_EQ(Parse("\"/prog/py.dat\"  -sp  -ss 12.500000 -autoexit -vol 200 -windowid 4194311 "
                  "-x 480 -y 270 \"/home/u/My Videos/a b.mkv\"",
                  o, error),
            kOptionsOk)
      << error;
  EXPECT_TRUE(o.startPaused);
  EXPECT_DOUBLE_EQ(o.startSeconds, 12.5);
  EXPECT_TRUE(o.exitAtEnd);
  EXPECT_EQ(o.volume, 200);
  EXPECT_EQ(o.windowId, 4194311);
  EXPECT_EQ(o.width, 480);
  EXPECT_EQ(o.height, 270);
  EXPECT_EQ(o.file, "/home/u/My Videos/a b.mkv");
}

TEST(PlayerOptionsTest, WithoutPauseOrStartPlaysFromTheBeginning) {
  PlayerOptions o;
  std::string error;
  ASSERT_EQ(Parse("\"py.dat\" -autoexit -vol 0 -windowid 7 -x 1 -y 1 \"f.avi\"", o, error), kOptionsOk);
  EXPECT_FALSE(o.startPaused);
  EXPECT_EQ(o.startSeconds, 0);
  EXPECT_EQ(o.volume, 0);
  ASSERT_EQ(Parse("\"py.dat\" f.avi", o, error), kOptionsOk);
  EXPECT_EQ(o.volume, kMaxVolume);
  EXPECT_FALSE(o.exitAtEnd);
  EXPECT_EQ(o.windowId, 0);
}

TEST(PlayerOptionsTest, ANegativeWindowHandleIsTakenAsUnsigned) {
  PlayerOptions o;
  std::string error;
  ASSERT_EQ(Parse("py.dat -windowid -2 f.avi", o, error), kOptionsOk) << error;
  EXPECT_EQ(o.windowId, 0xFFFFFFFE);
}

TEST(PlayerOptionsTest, PicturesInMemoryTakeTheDescriptorAndTheSize) {
  PlayerOptions o;
  std::string error;
  ASSERT_EQ(Parse("\"py.dat\" -sp -autoexit -vol 256 -frames 7 -x 568 -y 436 \"f.avi\"", o, error), kOptionsOk)
      << error;
  EXPECT_EQ(o.framesFd, 7);
  EXPECT_EQ(o.windowId, 0);
  EXPECT_EQ(o.width, 568);
  EXPECT_EQ(o.height, 436);
  ASSERT_EQ(Parse("py.dat f.avi", o, error), kOptionsOk);
  EXPECT_EQ(o.framesFd, -1);
}

TEST(PlayerOptionsTest, RefusesBadValuesWithAReason) {
  const char* bad[] = {
      "py.dat -vol 257 f.avi",     "py.dat -vol -1 f.avi",    "py.dat -vol 12x f.avi",
      "py.dat -ss -1 f.avi",       "py.dat -ss nan f.avi",    "py.dat -ss inf f.avi",
      "py.dat -x 99999 f.avi",     "py.dat -windowid f.avi",  "py.dat f.avi -vol",
      "py.dat -fs f.avi",          "py.dat a.avi b.avi",      "py.dat -sp -autoexit",
      "py.dat -windowid 99999999999 f.avi",
      "py.dat -frames 2 -x 4 -y 4 f.avi",  // a standard stream is no picture memory
      "py.dat -frames 5 f.avi",            // pictures need a size
      "py.dat -frames 5 -x 4 -y 4 -windowid 9 f.avi",
  };
  for (const char* line : bad) {
    PlayerOptions o;
    std::string error;
    EXPECT_EQ(Parse(line, o, error), kOptionsError) << line;
    EXPECT_FALSE(error.empty()) << line;
  }
}

std::vector<PlayerCommand> FeedAll(CommandReader& reader, const std::string& text) {
  return reader.feed(text.data(), text.size());
}

void ExpectCommand(const PlayerCommand& c, Kind kind, int value) {
  EXPECT_EQ(c.kind, kind);
  EXPECT_EQ(c.value, value);
}

TEST(PlayerCommandsTest, ReadsEachCommand) {
  CommandReader reader;
  const auto got = FeedAll(reader, "vol:p0\nvol:p200\nvol:x17\nto:10000\nf\nto:0\n");
  ASSERT_EQ(got.size(), 6u);
  ExpectCommand(got[0], Kind::Pause, 0);
  ExpectCommand(got[1], Kind::Resume, 200);
  ExpectCommand(got[2], Kind::SetVolume, 17);
  ExpectCommand(got[3], Kind::Seek, 10000);
  ExpectCommand(got[4], Kind::Redraw, 0);
  ExpectCommand(got[5], Kind::Seek, 0);
}

TEST(PlayerCommandsTest, ACommandMayArriveInPieces) {
  CommandReader reader;
  EXPECT_TRUE(FeedAll(reader, "to:12").empty());
  EXPECT_TRUE(FeedAll(reader, "34").empty());
  const auto got = FeedAll(reader, "\r\nvol:x");
  ASSERT_EQ(got.size(), 1u);
  ExpectCommand(got[0], Kind::Seek, 1234);
  const auto rest = FeedAll(reader, "9\n");
  ASSERT_EQ(rest.size(), 1u);
  ExpectCommand(rest[0], Kind::SetVolume, 9);
}

TEST(PlayerCommandsTest, ValuesAreLimitedToTheirRange) {
  CommandReader reader;
  const auto got = FeedAll(reader, "vol:p999\nvol:x-4\nto:20000\nto:-1\nvol:p-3\n");
  ASSERT_EQ(got.size(), 5u);
  ExpectCommand(got[0], Kind::Resume, kMaxVolume);
  ExpectCommand(got[1], Kind::SetVolume, 0);
  ExpectCommand(got[2], Kind::Seek, kSeekScale);
  ExpectCommand(got[3], Kind::Seek, 0);
  ExpectCommand(got[4], Kind::Pause, 0);
}

TEST(PlayerCommandsTest, AnythingElseIsIgnored) {
  CommandReader reader;
  const auto got = FeedAll(reader, "q\nvol:p\nvol:xabc\nto:5s\nff\n f\nvol:y3\nTO:5\n\n\nto:7\n");
  ASSERT_EQ(got.size(), 1u);
  ExpectCommand(got[0], Kind::Seek, 7);
}

TEST(PlayerCommandsTest, ASizeTakesBothSidesWithinTheLargestPicture) {
  CommandReader reader;
  const auto got = FeedAll(reader, "sz:568x436\nsz:16384x1\n");
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0].kind, Kind::Resize);
  EXPECT_EQ(got[0].width, 568);
  EXPECT_EQ(got[0].height, 436);
  EXPECT_EQ(got[1].width, 16384);
  EXPECT_EQ(got[1].height, 1);
  // Unlike volumes and seeks, a size out of range is no size at all: a
  // picture of another size than the window's would be painted wrongly.
  const auto bad = FeedAll(reader, "sz:0x10\nsz:16385x2\nsz:-4x4\nsz: 4x4\nsz:4x\nsz:x4\nsz:4x4x4\n"
                                   "sz:4 4\nsz:+4x4\nsz:4x4.5\n");
  EXPECT_TRUE(bad.empty()) << bad.size();
}

TEST(PlayerCommandsTest, AnEndlessLineIsDroppedWithoutLosingTheNext) {
  CommandReader reader;
  const std::string flood(100000, '9');
  EXPECT_TRUE(FeedAll(reader, "to:" + flood).empty());
  const auto got = FeedAll(reader, "\nf\n");
  ASSERT_EQ(got.size(), 1u);
  ExpectCommand(got[0], Kind::Redraw, 0);
}

TEST(PositionLineTest, IsAlwaysTenCharactersThatReadBackAsThePosition) {
  const double positions[] = {0,      0.004,    1.5,      12.5,     59.999,  3599.99,
                              9999.99, 9999.996, 12345.67, 99999.94, 99999.96, 1234567.4,
                              9999999, 1e12,     -3,       NAN,      INFINITY};
  for (double seconds : positions) {
    const std::string line = FormatPositionLine(seconds);
    ASSERT_EQ(line.back(), '\n') << seconds;
    const std::string text = line.substr(0, line.size() - 1);
    EXPECT_EQ(text.size(), kPositionLineLength) << seconds << " gave \"" << text << "\"";
    EXPECT_EQ(text.substr(0, 3), "ct:");
    const double shown = std::atof(text.c_str() + 3);
    const double expected = !std::isfinite(seconds) || seconds < 0 ? 0 : std::min(seconds, 9999999.0);
    EXPECT_NEAR(shown, expected, 0.5) << seconds;
  }
}

// The C library reads "2.250000" as 2 and writes 6.16 as "6,16" there.
TEST(PositionLineTest, StartTimesAndPositionsKeepADotInADecimalCommaLocale) {
  std::string why;
  ASSERT_TRUE(test::UseDecimalCommaLocale(why)) << why;
  PlayerOptions o;
  std::string error;
  EXPECT_EQ(Parse("\"py.dat\"  -ss 2.250000 -autoexit \"a.mkv\"", o, error), kOptionsOk) << error;
  EXPECT_DOUBLE_EQ(o.startSeconds, 2.25);
  EXPECT_EQ(FormatPositionLine(6.16), "ct:   6.16\n");
  test::LeaveDecimalCommaLocale();
}

TEST(PositionLineTest, KeepsHundredthsForOrdinaryFiles) {
  EXPECT_EQ(FormatPositionLine(0), "ct:   0.00\n");
  EXPECT_EQ(FormatPositionLine(12.5), "ct:  12.50\n");
  EXPECT_EQ(FormatPositionLine(7199.456), "ct:7199.46\n");
  EXPECT_EQ(FormatPositionLine(86399.25), "ct:86399.2\n");
}

TEST(VolumeCurveTest, GivesALinearGainOnTheCubicLibraryScale) {
  EXPECT_DOUBLE_EQ(LibraryVolumeFor(0), 0);
  EXPECT_DOUBLE_EQ(LibraryVolumeFor(256), 100);
  EXPECT_NEAR(LibraryVolumeFor(32), 50, 1e-9);    // an eighth of the gain: half on a cube root
  EXPECT_NEAR(LibraryVolumeFor(128), 79.37, 0.01);
  EXPECT_DOUBLE_EQ(LibraryVolumeFor(-5), 0);
  EXPECT_DOUBLE_EQ(LibraryVolumeFor(400), 100);
  for (int v = 1; v <= kMaxVolume; ++v) {
    EXPECT_GT(LibraryVolumeFor(v), LibraryVolumeFor(v - 1)) << v;
    const double gain = std::pow(LibraryVolumeFor(v) / 100.0, 3);
    EXPECT_NEAR(gain, v / 256.0, 1e-9) << v;
  }
}

}  // namespace
}  // namespace orva::player
