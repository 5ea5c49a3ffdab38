// The texts of a job's list row and the refresh that goes with a change of
// profile, trim range or destination.
#pragma once

#include <string>

#include "app/job_item.h"

namespace orva {

inline constexpr char kRowReady[] = "Ready";

// Column 0: the name, followed by "[begin - end]" when the job is trimmed.
std::string JobRowName(const JobItem& job);
// Column 1: the length of what will be converted.
std::string JobRowDuration(const JobItem& job);

// Points the job at `profile` and recomputes its size estimate.
void RefreshJob(JobItem& job, Profile* profile);

// Every job converts into `folder` (empty: beside its source).
void SetOutputFolderOfAllJobs(JobList& jobs, const std::string& folder);

}  // namespace orva
