// What cv.dat writes besides ffmpeg's file: the progress stream the
// converter reads, and the temporary file with its move into place.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "encoder_test_support.h"
#include "engine/process.h"
#include "tools/encoder/progress_filter.h"
#include "tools/encoder/temporary_output.h"

namespace orva::encoder {
namespace {

namespace fs = std::filesystem;

std::string Content(const std::string& path) {
  std::ifstream in(path);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(ProgressFilterTest, AMessageAfterAReportIsFollowedByTheReportAgain) {
  ProgressFilter filter;
  // Before the first report nothing is repeated.
  EXPECT_EQ(filter.feed("Input #0, avi\n"), "Input #0, avi\n");
  EXPECT_EQ(filter.feed("frame= 1 time=00:00:01.00 b=1\r[mpeg4] Error at MB: 276\n"),
            "frame= 1 time=1.00 b=1\r[mpeg4] Error at MB: 276\nframe= 1 time=1.00 b=1\r");
  EXPECT_EQ(filter.feed("    Last message repeated 1 times\n"),
            "    Last message repeated 1 times\nframe= 1 time=1.00 b=1\r");
  EXPECT_EQ(filter.feed("frame= 2 time=00:00:02.00 b=1\r"), "frame= 2 time=2.00 b=1\r");
  EXPECT_EQ(filter.feed("half a mess"), "");  // nothing complete: nothing to fold
  EXPECT_EQ(filter.lastMessage(), "[mpeg4] Error at MB: 276");
}

TEST(ProgressFilterTest, TheIndexMoveIsSaidAsFinishingWithTheReportAfterIt) {
  ProgressFilter filter;
  EXPECT_EQ(filter.feed("frame= 50 time=00:00:01.96 b=1\r[mp4 @ 0x55d0] Starting second pass: moving the "
                        "moov atom to the beginning of the file\n"),
            "frame= 50 time=1.96 b=1\rfinishing: moving the index to the front of the file\n"
            "frame= 50 time=1.96 b=1\r");
  EXPECT_EQ(filter.lastMessage(), "");  // no trouble to report
}

TEST(ProgressFilterTest, TheLastMessageSkipsLinesThatSayNothing) {
  ProgressFilter filter;
  filter.feed("Output file #0 does not contain any stream\nConversion failed!\n");
  EXPECT_EQ(filter.lastMessage(), "Output file #0 does not contain any stream");
}

TEST(TemporaryOutputTest, NamesAHiddenFileMarkedWithHostAndProcess) {
  const std::string host = PlatformHostName();
  ASSERT_FALSE(host.empty());
  EXPECT_EQ(TemporaryPathFor("/a/b/clip(1).mp4", 42), "/a/b/.clip(1).part-" + host + "-42.mp4");
  EXPECT_EQ(TemporaryPathFor("clip", 7), ".clip.part-" + host + "-7");
}

TEST(TemporaryOutputTest, RemovesOnlyLeftoversOfEndedProgramsOfThisHost) {
  test::TempFolder folder;
  const std::string output = folder.file("clip.mp4");
  const std::string mine = TemporaryPathFor(output, getpid());
  // Process ids are below 2^22 on Linux, so this one belongs to nobody.
  const std::string stale = TemporaryPathFor(output, 99999999);
  const std::string other = TemporaryPathFor(folder.file("other.mp4"), 99999999);
  // Another machine's conversion on a shared folder, and a user's file of
  // the old shape: neither is ours to judge.
  const std::string foreign = folder.file(".clip.part-elsewhere-99999999.mp4");
  const std::string users = folder.file(".clip.part-99999999.mp4");
  for (const std::string& path : {mine, stale, other, output, foreign, users}) std::ofstream(path) << "x";
  EXPECT_EQ(RemoveStaleTemporaries(output), 1);
  EXPECT_FALSE(fs::exists(stale));
  for (const std::string& path : {mine, other, output, foreign, users}) EXPECT_TRUE(fs::exists(path)) << path;
}

TEST(TemporaryOutputTest, TheMoveIntoPlaceNeverReplacesAFile) {
  test::TempFolder folder;
  const std::string output = folder.file("clip.mp4");
  std::ofstream(output) << "the user's";
  std::ofstream(folder.file("clip(0).mp4")) << "an earlier run's";
  const std::string temporary = TemporaryPathFor(output, getpid());
  std::ofstream(temporary) << "new";
  std::string written;
  ASSERT_TRUE(CommitTemporary(temporary, output, written));
  EXPECT_EQ(written, folder.file("clip(1).mp4"));
  EXPECT_EQ(Content(output), "the user's");
  EXPECT_EQ(Content(folder.file("clip(0).mp4")), "an earlier run's");
  EXPECT_EQ(Content(written), "new");
  EXPECT_FALSE(fs::exists(temporary));

  std::ofstream(temporary) << "newer";
  ASSERT_TRUE(CommitTemporary(temporary, folder.file("free.mp4"), written));
  EXPECT_EQ(written, folder.file("free.mp4"));
  EXPECT_FALSE(CommitTemporary(folder.file("gone.mp4"), folder.file("x.mp4"), written));
}

// The way a shared NFS folder needs: a hard link under the new name, then
// the temporary name removed. It must keep every file the rename keeps.
TEST(TemporaryOutputTest, TheLinkMoveNeverReplacesAFileEither) {
  test::TempFolder folder;
  const std::string output = folder.file("clip.mp4");
  std::ofstream(output) << "the user's";
  const std::string temporary = TemporaryPathFor(output, getpid());
  std::ofstream(temporary) << "new";
  MoveFinishedFilesBy(MoveWay::LinkThenUnlink);
  std::string written;
  const bool committed = CommitTemporary(temporary, output, written);
  MoveFinishedFilesBy(MoveWay::Best);
  ASSERT_TRUE(committed);
  EXPECT_EQ(written, folder.file("clip(0).mp4"));
  EXPECT_EQ(Content(output), "the user's");
  EXPECT_EQ(Content(written), "new");
  EXPECT_FALSE(fs::exists(temporary));
  EXPECT_EQ(fs::hard_link_count(written), 1u);

  EXPECT_EQ(PlatformMoveWithoutReplacing(folder.file("gone.mp4").c_str(), folder.file("x.mp4").c_str(),
                                         MoveWay::LinkThenUnlink),
            MoveResult::Failed);
  EXPECT_FALSE(fs::exists(folder.file("x.mp4")));
}

// Over NFS a link whose answer was lost is sent again and answered "the
// name exists": when that name is our own file, the move was made, and no
// second name may be taken for it.
TEST(TemporaryOutputTest, ALinkAnsweredExistsButMadeCountsAsMoved) {
  test::TempFolder folder;
  const std::string temporary = folder.file(".clip.part-here-1.mp4");
  const std::string output = folder.file("clip.mp4");
  std::ofstream(temporary) << "new";
  fs::create_hard_link(temporary, output);  // the first, lost answer
  EXPECT_EQ(PlatformMoveWithoutReplacing(temporary.c_str(), output.c_str(), MoveWay::LinkThenUnlink),
            MoveResult::Moved);
  EXPECT_FALSE(fs::exists(temporary));
  EXPECT_EQ(Content(output), "new");

  std::ofstream(temporary) << "newer";  // another file under that name: taken
  EXPECT_EQ(PlatformMoveWithoutReplacing(temporary.c_str(), output.c_str(), MoveWay::LinkThenUnlink),
            MoveResult::Taken);
  EXPECT_EQ(Content(temporary), "newer");
}

}  // namespace
}  // namespace orva::encoder
