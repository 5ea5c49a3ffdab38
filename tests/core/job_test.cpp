#include <gtest/gtest.h>

#include <cstring>

#include "app/job_item.h"

namespace orva {
namespace {

TEST(FormatClock, FieldsTruncateAndSecondsKeepTheirFraction) {
  EXPECT_EQ(FormatClock(3725.5), "01:02:05.50");
  EXPECT_EQ(FormatClock(0), "00:00:00.00");
  EXPECT_EQ(FormatClock(59.999), "00:00:60.00");
  EXPECT_EQ(FormatClock(12.48), "00:00:12.48");
  EXPECT_EQ(FormatClock(-2.5), "00:00:-2.50");
  EXPECT_EQ(FormatClock(360000.0), "100:00:00.00");  // hours are not capped
  EXPECT_EQ(FormatClockWide(3725.5), u"01:02:05.50");
}

JobItem* NamedJob(const char* name) {
  JobItem* job = NewJobItem();
  std::snprintf(job->name, sizeof job->name, "%s", name);
  return job;
}

TEST(JobList, AppendRemoveAndRenumberKeepRowOrder) {
  JobList jobs;
  EXPECT_EQ(jobs.last(), nullptr);
  EXPECT_EQ(jobs.at(0), nullptr);
  for (const char* name : {"a", "b", "c"}) jobs.append(NamedJob(name));
  jobs.renumber();
  EXPECT_EQ(jobs.count(), 3);
  EXPECT_STREQ(jobs.last()->name, "c");
  EXPECT_EQ(jobs.at(3), nullptr);

  jobs.removeAt(1);
  jobs.renumber();
  ASSERT_EQ(jobs.count(), 2);
  EXPECT_STREQ(jobs.at(0)->name, "a");
  EXPECT_STREQ(jobs.at(1)->name, "c");
  EXPECT_EQ(jobs.at(0)->index, 0);
  EXPECT_EQ(jobs.at(1)->index, 1);

  jobs.removeAt(0);
  EXPECT_STREQ(jobs.at(0)->name, "c");
  jobs.freeAll();
  EXPECT_EQ(jobs.head, nullptr);
  EXPECT_EQ(jobs.count(), 0);
}

TEST(SplitJobPath, FolderNameAndExtension) {
  JobItem job{};
  std::snprintf(job.path, sizeof job.path, "/home/u/My Videos/clip.final.avi");
  SplitJobPath(job);
  EXPECT_STREQ(job.drive, "");
  EXPECT_STREQ(job.dir, "/home/u/My Videos/");
  EXPECT_STREQ(job.name, "clip.final");
  EXPECT_STREQ(job.ext, ".avi");

  std::snprintf(job.path, sizeof job.path, "/tmp/.hidden");
  SplitJobPath(job);
  EXPECT_STREQ(job.name, ".hidden");
  EXPECT_STREQ(job.ext, "");
}

}  // namespace
}  // namespace orva
