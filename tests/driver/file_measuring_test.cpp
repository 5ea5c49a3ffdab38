// Measuring a batch's files ahead on a thread of their own, against a
// stand-in probe that counts its starts, crashes on "crash" and never
// answers "hang".
#include <gtest/gtest.h>

#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "cli/file_measuring.h"
#include "test_support.h"
#include "running_processes.h"
#include "scratch_folder.h"

namespace orva {
namespace {

using Clock = std::chrono::steady_clock;

class FileMeasuringTest : public ::testing::Test {
 protected:
  FileMeasuringTest() {
    std::filesystem::create_symlink(std::string(ORVA_TEST_CHILDREN_DIR) + "/child_probe_answers", probe);
    setenv("ORVA_TEST_START_LOG", log.c_str(), 1);
    currentProfile = &test::AudioTestProfile();
  }
  ~FileMeasuringTest() override {
    jobs.freeAll();
    unsetenv("ORVA_TEST_START_LOG");
  }

  int starts() const {
    std::ifstream in(log);
    int count = 0;
    for (std::string line; std::getline(in, line);) ++count;
    return count;
  }

  // Files of these names in the scratch folder, listed in this order.
  void listFiles(std::initializer_list<const char*> names) {
    for (const char* name : names) {
      folder.touch(name);
      options.files.push_back(folder.file(name));
    }
  }

  test::ScratchFolder folder;
  const std::string log = folder.file("starts");
  const std::string probe = folder.file("probe-ahead");
  CliOptions options;
  JobList jobs;
  JobRecords records{nullptr};
};

TEST_F(FileMeasuringTest, TheProbeStartsAtOnceAndJobsFollowTheListWhatever) {
  listFiles({"a.mp4", "broken.crash", "b.wav", "c.mkv"});
  options.files.insert(options.files.begin() + 2, folder.file("missing.mp4"));
  FileMeasuring files(options, jobs, probe, records);
  // Nothing was asked yet, and the probe is already at work.
  const auto deadline = Clock::now() + std::chrono::seconds(10);
  while (starts() == 0 && Clock::now() < deadline) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_GE(starts(), 1);

  files.measureAll();
  EXPECT_FALSE(files.pending());
  ASSERT_EQ(jobs.count(), 3);
  EXPECT_EQ(std::string(jobs.at(0)->path), folder.file("a.mp4"));
  EXPECT_EQ(std::string(jobs.at(1)->path), folder.file("b.wav"));
  EXPECT_EQ(std::string(jobs.at(2)->path), folder.file("c.mkv"));
  EXPECT_EQ(jobs.at(2)->index, 2);
  // The crash cost its own file only; a new program measured the rest.
  EXPECT_EQ(files.skipped(), 2);
  EXPECT_EQ(starts(), 2);
}

TEST_F(FileMeasuringTest, TakingAJobNeverWaitsLongForAStuckProbeAndEndingStopsIt) {
  listFiles({"pipe.hang", "after.mp4"});
  {
    FileMeasuring files(options, jobs, probe, records);
    const auto start = Clock::now();
    EXPECT_TRUE(files.measureNext());
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
    EXPECT_TRUE(files.pending());
    EXPECT_EQ(jobs.count(), 0);
  }
  // Leaving the batch ended the probe stuck on its file.
  EXPECT_FALSE(test::ProcessMentions(probe));
}

}  // namespace
}  // namespace orva
