// cv.dat's own lines around ffmpeg's work: progress that keeps flowing
// through warnings, the name it wrote when its own was taken, and why ffmpeg
// failed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "encoder_test_support.h"
#include "engine/process.h"

namespace orva::encoder::test {
namespace {

namespace fs = std::filesystem;

// A clip whose picture data is damaged all through, so that the decoder
// warns about nearly every frame while the conversion goes on.
bool MakeDamagedClip(const std::string& path) {
  if (!RunFfmpeg("-f lavfi -i testsrc=size=320x240:rate=25:duration=8 -c:v mpeg4 -q:v 3 \"" + path + "\"")) {
    return false;
  }
  std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
  file.seekg(0, std::ios::end);
  const auto size = static_cast<long>(file.tellg());
  for (long at = 20000; at < size - 20000; at += 1500) {
    file.seekg(at);
    const char byte = static_cast<char>(file.get() ^ 0x5a);
    file.seekp(at);
    file.put(byte);
  }
  return file.good();
}

// Every piece of output as it could be read, one read per moment.
std::vector<std::string> ReadsOf(const std::string& commandLine) {
  std::vector<std::string> reads;
  LaunchedChild child;
  if (!PlatformLaunch(commandLine.c_str(), child)) return reads;
  ExitStatus status;
  for (bool ended = false; !ended;) {
    ended = PlatformWaitExit(child.process, 2, status);
    std::size_t available = 0;
    if (PlatformBytesAvailable(child.outputRead, available) != PipeState::Open || available == 0) continue;
    std::string chunk(available, '\0');
    const long got = PlatformRead(child.outputRead, chunk.data(), available);
    if (got > 0) reads.push_back(chunk.substr(0, static_cast<std::size_t>(got)));
  }
  PlatformClose(child.outputRead);
  PlatformClose(child.inputWrite);
  return reads;
}

TEST(EncoderSessionTest, WarningsNeverHideTheNewestReport) {
  TempFolder folder;
  ASSERT_TRUE(MakeDamagedClip(folder.file("damaged.avi")));
  const auto reads = ReadsOf(Mpeg4Command(folder.file("damaged.avi"), folder.file("out.mp4")));
  bool reporting = false;
  int warnings = 0, endingInAMessage = 0;
  for (const std::string& read : reads) {
    reporting = reporting || read.find("time=") != std::string::npos;
    if (!reporting) continue;
    if (read.find("Error") != std::string::npos || read.find("corrupt") != std::string::npos) ++warnings;
    if (read.back() == '\n') ++endingInAMessage;
  }
  EXPECT_GT(warnings, 0);  // the clip did make ffmpeg warn
  EXPECT_EQ(endingInAMessage, 0);
}

TEST(EncoderSessionTest, AnOutputTakenMeanwhileIsKeptAndTheNameWrittenIsSaid) {
  TempFolder folder;
  std::ofstream(folder.file("out.mp4")) << "the user's";
  const ChildResult run = RunChild(Mpeg4Command(SharedClip(), folder.file("out.mp4")));
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("output written as: " + folder.file("out(0).mp4") + "\n"), std::string::npos)
      << run.output;
  std::ifstream user(folder.file("out.mp4"));
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(user), {}), "the user's");
  EXPECT_TRUE(DecodesCleanly(folder.file("out(0).mp4")));
  EXPECT_EQ(folder.fileCount(), 2);
}

TEST(EncoderSessionTest, AFailureEndsWithFfmpegsReason) {
  TempFolder folder;
  std::ofstream(folder.file("notes.avi")) << "this is no video\n";
  const ChildResult run = RunChild(Mpeg4Command(folder.file("notes.avi"), folder.file("o.mp4")));
  EXPECT_NE(run.exitCode, 0);
  EXPECT_NE(run.output.find("cv.dat: ffmpeg failed: " + folder.file("notes.avi") +
                            ": Invalid data found when processing input\n"),
            std::string::npos)
      << run.output;
}

}  // namespace
}  // namespace orva::encoder::test
