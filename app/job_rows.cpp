#include "app/job_rows.h"

#include <cstdio>

#include "engine/output_naming.h"

namespace orva {

std::string JobRowName(const JobItem& job) {
  if (job.trim_begin == 0 && job.trim_end == job.duration) return job.name;
  return std::string(job.name) + "[" + FormatClock(job.trim_begin) + " - " + FormatClock(job.trim_end) + "]";
}

std::string JobRowDuration(const JobItem& job) { return FormatClock(job.trim_end - job.trim_begin); }

void RefreshJob(JobItem& job, Profile* profile) {
  job.profile = profile;
  EstimateOutputSize(job);
}

void SetOutputFolderOfAllJobs(JobList& jobs, const std::string& folder) {
  for (JobItem* job = jobs.head; job != nullptr; job = job->next) {
    std::snprintf(job->out_dir, sizeof job->out_dir, "%s", folder.c_str());
  }
}

}  // namespace orva
