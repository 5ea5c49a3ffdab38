#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "app/data_files.h"
#include "engine/output_naming.h"
#include "test_support.h"

namespace orva {
namespace {

using test::ScratchFolder;

JobItem JobFor(const std::string& path, Profile& profile) {
  JobItem job{};
  std::snprintf(job.path, sizeof job.path, "%s", path.c_str());
  SplitJobPath(job);
  job.profile = &profile;
  return job;
}

TEST(OutputNaming, ClashesGetACounterFromZero) {
  ScratchFolder folder;
  JobItem job = JobFor(folder.file("a.avi"), test::VideoTestProfile());
  std::string path;
  ASSERT_EQ(OutputPathFor(job, path), kNamed);
  EXPECT_EQ(path, folder.file("a.mp4"));
  EXPECT_STREQ(job.out_name, "a");

  folder.touch("a.mp4");
  ASSERT_EQ(OutputPathFor(job, path), kNamed);
  EXPECT_EQ(path, folder.file("a(0).mp4"));
  EXPECT_STREQ(job.out_name, "a(0)");

  folder.touch("a(0).mp4");
  ASSERT_EQ(OutputPathFor(job, path), kNamed);
  EXPECT_EQ(path, folder.file("a(1).mp4"));
}

TEST(OutputNaming, ChosenFolderAndFoldersAsNames) {
  ScratchFolder source, target;
  JobItem job = JobFor(source.file("a.avi"), test::VideoTestProfile());
  std::snprintf(job.out_dir, sizeof job.out_dir, "%s", target.path().c_str());
  std::filesystem::create_directory(target.file("a.mp4"));  // a folder takes the name too
  std::string path;
  ASSERT_EQ(OutputPathFor(job, path), kNamed);
  EXPECT_EQ(path, target.file("a(0).mp4"));

  std::snprintf(job.out_dir, sizeof job.out_dir, "%s/", target.path().c_str());
  ASSERT_EQ(OutputPathFor(job, path), kNamed);
  EXPECT_EQ(path, target.file("a(0).mp4"));  // no doubled separator
}

TEST(OutputNaming, PathThatWouldNotFitIsRefused) {
  JobItem job = JobFor("/tmp/" + std::string(240, 'n') + ".avi", test::VideoTestProfile());
  std::string path;
  EXPECT_EQ(OutputPathFor(job, path), kNamed);  // 5 + 240 + 4 characters fit
  std::snprintf(job.out_dir, sizeof job.out_dir, "/tmp/%s", std::string(20, 'd').c_str());
  EXPECT_EQ(OutputPathFor(job, path), kOutputPathTooLong);
  EXPECT_STREQ(job.out_name, "");
  EXPECT_EQ(path, "");
}

TEST(OutputNaming, ACounterThatNoLongerFitsEndsTheSearch) {
  ScratchFolder folder;
  // "<fill>.mp4" takes all 259 characters, so "<fill>(0).mp4" cannot be used.
  const std::string fill(259 - folder.path().size() - 1 - 4, 'f');
  JobItem job = JobFor(folder.file(fill + ".avi"), test::VideoTestProfile());
  std::string path;
  EXPECT_EQ(OutputPathFor(job, path), kNamed);
  folder.touch(fill + ".mp4");
  EXPECT_EQ(OutputPathFor(job, path), kOutputPathTooLong);
}

TEST(OutputNaming, ANameOverTheFileSystemLimitIsRefusedNotSearchedForever) {
  Profile& profile = test::VideoTestProfile();
  // 250 + 4 bytes fit a name; 252 + 4 do not, although the path stays short.
  JobItem job = JobFor("/s/" + std::string(252, 'n') + ".avi", profile);
  std::snprintf(job.out_dir, sizeof job.out_dir, "/t");
  std::string path;
  EXPECT_EQ(OutputPathFor(job, path), kOutputPathTooLong);
}

TEST(OutputNaming, AFolderThatCannotBeSearchedIsAnErrorNotATakenName) {
  if (geteuid() == 0) {
    // Root searches every folder; a name below a file cannot be checked.
    ScratchFolder folder;
    folder.touch("plain");
    std::string name = "a", below = folder.file("plain") + "/x/";
    EXPECT_EQ(MakeUniqueName(name, below, ".mp4"), kNameNotCheckable);
    EXPECT_EQ(name, "a");
    return;
  }
  ScratchFolder folder;
  std::filesystem::create_directory(folder.file("closed"));
  std::filesystem::permissions(folder.file("closed"), std::filesystem::perms::owner_write);
  std::string name = "a", closed = folder.file("closed");
  EXPECT_EQ(MakeUniqueName(name, closed, ".mp4"), kNameNotCheckable);
  std::filesystem::permissions(folder.file("closed"), std::filesystem::perms::owner_all);
}

TEST(EstimateOutputSize, FromBitRatesAndRange) {
  Profile profile = test::VideoTestProfile();
  profile.videoCodecs[0].videoBitrates = "768K\0";
  profile.videoCodecs[0].videoBitrateIndex = 0;
  JobItem job = JobFor("/tmp/a.avi", profile);
  job.trim_end = 60;
  EstimateOutputSize(job);
  EXPECT_NEAR(job.est_size_mb, 6.41, 0.005);
  EXPECT_STREQ(job.size_text, "6.4MB");

  job.trim_begin = 54;  // a tenth of the range
  EstimateOutputSize(job);
  EXPECT_NEAR(job.est_size_mb, 0.641, 0.001);

  profile.videoCodecs[0].videoBitrates = "Auto\0";
  EstimateOutputSize(job);
  EXPECT_STREQ(job.size_text, "? MB");  // video rate unknown, audio rate alone misleads
}

TEST(EstimateOutputSize, EveryAudioTrackWrittenCounts) {
  ProfileCategory general{"General Video", {}, 1, 11};
  Profile profile = test::VideoTestProfile();
  profile.videoCodecs[0].videoBitrateIndex = 1;    // 640K
  profile.audioCodecs[0].audioBitrateIndex = 1;    // 128K
  JobItem job = JobFor("/tmp/a.mkv", profile);
  job.trim_end = 60;
  job.audio_streams = 3;
  EstimateOutputSize(job);  // a device profile writes the main track only
  EXPECT_NEAR(job.est_size_mb, 60 * 768000 / 8388608.0, 0.001);
  profile.category = &general;
  EstimateOutputSize(job);
  EXPECT_NEAR(job.est_size_mb, 60 * (640000 + 3 * 128000) / 8388608.0, 0.001);
  profile.extensions = ".rmvb\0";  // RealMedia holds one track
  EstimateOutputSize(job);
  EXPECT_NEAR(job.est_size_mb, 60 * 768000 / 8388608.0, 0.001);
  profile.extensions = ".mkv\0";
  job.audio_streams = 0;  // a silent source still counts the profile's audio
  EstimateOutputSize(job);
  EXPECT_NEAR(job.est_size_mb, 60 * 768000 / 8388608.0, 0.001);
}

TEST(EstimateOutputSize, AudioOnly) {
  Profile profile = test::AudioTestProfile();
  JobItem job = JobFor("/tmp/a.wav", profile);
  job.trim_end = 180;
  EstimateOutputSize(job);
  EXPECT_NEAR(job.est_size_mb, 2.7466, 0.0001);
  EXPECT_STREQ(job.size_text, "2.7MB");

  profile.audioCodecs[0].audioBitrateIndex = 1;  // "Auto"
  EstimateOutputSize(job);
  EXPECT_STREQ(job.size_text, "? MB");
  EXPECT_EQ(LeadingInteger("6.7k"), 6);
  EXPECT_EQ(LeadingInteger("Auto"), 0);
}

TEST(CheckWritableFolder, LeavesTheFolderAsItWas) {
  ScratchFolder folder;
  EXPECT_EQ(CheckWritableFolder(folder.path().c_str()), 0);
  EXPECT_EQ(CheckWritableFolder((folder.path() + "/").c_str()), 0);
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
  EXPECT_EQ(CheckWritableFolder(folder.file("missing").c_str()), 1);
}

TEST(CheckWritableFolder, NeverTouchesAFileOfTheProbeName) {
  ScratchFolder folder;
  const std::string probe = folder.file("orvaWriteProbe7Q2Z9");
  ASSERT_EQ(WriteTextFile(probe.c_str(), "user data"), 0);
  EXPECT_EQ(CheckWritableFolder(folder.path().c_str()), 0);
  EXPECT_EQ(ReadWholeFile(probe.c_str()).value_or(""), "user data");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()), 1);
}

TEST(CheckWritableFolder, FolderThatRefusesFilesIsNotWritable) {
  // Refuses new files even to root.
  EXPECT_EQ(CheckWritableFolder("/proc"), 1);
}

TEST(DataFiles, WholeFileRoundTrip) {
  ScratchFolder folder;
  const std::string path = folder.file("outpath.dat");
  EXPECT_FALSE(ReadWholeFile(path.c_str()).has_value());
  ASSERT_EQ(WriteTextFile(path.c_str(), ""), 0);
  EXPECT_FALSE(ReadWholeFile(path.c_str()).has_value());  // empty counts as absent
  ASSERT_EQ(WriteTextFile(path.c_str(), "/media/out"), 0);
  EXPECT_EQ(ReadWholeFile(path.c_str()).value(), "/media/out");
  EXPECT_EQ(WriteTextFile(folder.file("no/such/file").c_str(), "x"), -1);
}

}  // namespace
}  // namespace orva
