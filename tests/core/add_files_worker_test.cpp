#include "app/add_files_worker.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "media_clip.h"
#include "running_processes.h"
#include "scratch_folder.h"
#include "stand_in_probe.h"
#include "test_support.h"

namespace orva {
namespace {

using test::ScratchFolder;

const std::string kProbe = std::string(ORVA_PROGRAM_FOLDER) + "/orva-probe";

std::vector<JobItem*> RunToEnd(AddFilesWorker& worker) {
  std::vector<JobItem*> jobs;
  worker.start();
  while (!worker.finished()) {
    for (JobItem* job : worker.takeReadyJobs()) jobs.push_back(job);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  for (JobItem* job : worker.takeReadyJobs()) jobs.push_back(job);
  return jobs;
}

TEST(AddFilesWorker, JobsComeInTheOrderGivenAndUnmeasurableFilesAreLeftOut) {
  currentProfile = &test::VideoTestProfile();
  ScratchFolder folder;
  ASSERT_TRUE(test::MakeClip(folder.file("c.mp4"), 3));
  ASSERT_TRUE(test::MakeClip(folder.file("a.mkv"), 1));
  ASSERT_TRUE(test::MakeClip(folder.file("b.avi"), 2));
  folder.touch("notes.txt");

  AddFilesWorker worker({folder.file("c.mp4"), folder.file("notes.txt"), folder.file("a.mkv"),
                         folder.file("missing.mp4"), folder.file("b.avi")},
                        kProbe);
  const std::vector<JobItem*> jobs = RunToEnd(worker);
  ASSERT_EQ(jobs.size(), 3u);
  EXPECT_STREQ(jobs[0]->name, "c");
  EXPECT_STREQ(jobs[1]->name, "a");
  EXPECT_STREQ(jobs[2]->name, "b");
  EXPECT_NEAR(jobs[0]->duration, 3.0, 0.1);
  EXPECT_EQ(jobs[0]->trim_end, jobs[0]->duration);
  EXPECT_EQ(jobs[0]->profile, currentProfile);
  for (JobItem* job : jobs) delete job;
}

TEST(AddFilesWorker, MissingProbeProgramAddsNothingAndFinishes) {
  ScratchFolder folder;
  ASSERT_TRUE(test::MakeClip(folder.file("a.mp4"), 1));
  AddFilesWorker worker({folder.file("a.mp4"), folder.file("a.mp4")}, folder.file("no-probe"));
  EXPECT_TRUE(RunToEnd(worker).empty());
}

TEST(AddFilesWorker, CancelEndsAProbeStuckOnANamedPipe) {
  ScratchFolder folder;
  const std::string pipe = folder.file("stuck.mp4");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  // Under a name of this test's own, to see that it is gone afterwards.
  const std::string probe = folder.file("orva-probe");
  std::filesystem::create_symlink(kProbe, probe);
  AddFilesWorker worker({pipe, folder.file("never.mp4")}, probe);
  worker.start();
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_FALSE(worker.finished());
  worker.cancel();
  for (int waited = 0; !worker.finished() && waited < 5000; waited += 10) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(worker.finished());
  EXPECT_TRUE(worker.takeReadyJobs().empty());
  EXPECT_FALSE(test::ProcessMentions(probe)) << "the probe outlived the add";
}

// The add against a stand-in probe that counts its starts.
using AddFilesWorkerStandIn = test::StandInProbeTest;

TEST_F(AddFilesWorkerStandIn, OneProgramMeasuresTheAddAndACrashCostsOnlyItsFile) {
  AddFilesWorker worker({"/m/a.mp4", "/m/b.mp4", "/m/broken.crash", "/m/c.mp4", "/m/d.mp4"}, probe);
  const std::vector<JobItem*> jobs = RunToEnd(worker);
  ASSERT_EQ(jobs.size(), 4u);
  EXPECT_STREQ(jobs[0]->name, "a");
  EXPECT_STREQ(jobs[1]->name, "b");
  EXPECT_STREQ(jobs[2]->name, "c");
  EXPECT_STREQ(jobs[3]->name, "d");
  EXPECT_EQ(starts(), 2);  // the first program, and one after the crash
  EXPECT_FALSE(test::ProcessMentions(probe));
  for (JobItem* job : jobs) delete job;
}

TEST_F(AddFilesWorkerStandIn, CancelGivesUpTheFilesLeftAndEndsTheProgram) {
  AddFilesWorker worker({"/m/a.mp4", "/m/pipe.hang", "/m/later.mp4", "/m/last.mp4"}, probe);
  worker.start();
  std::vector<JobItem*> jobs;
  for (int waited = 0; jobs.empty() && waited < 5000; waited += 10) {
    jobs = worker.takeReadyJobs();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ASSERT_EQ(jobs.size(), 1u);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_FALSE(worker.finished());
  EXPECT_EQ(worker.currentFileText(), "/m/pipe.hang");
  worker.cancel();
  for (int waited = 0; !worker.finished() && waited < 5000; waited += 10) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(worker.finished());
  EXPECT_TRUE(worker.takeReadyJobs().empty());
  EXPECT_EQ(starts(), 1);  // the files after the stuck one were never asked for
  EXPECT_FALSE(test::ProcessMentions(probe));
  for (JobItem* job : jobs) delete job;
}

}  // namespace
}  // namespace orva
