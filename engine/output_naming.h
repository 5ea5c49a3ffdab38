// Where a job's output goes, under which unused name, and how large it will
// probably be.
#pragma once

#include <string>

#include "app/job_item.h"

namespace orva {

// The folder a job converts into, ending in a separator: its `out_dir`, or
// the source's own folder when that is empty.
std::string OutputFolderFor(const JobItem& job);

// Fixes the job's output path and its `out_name`. Returns false, leaving
// `out_name` empty, when the path would not fit 259 characters.
bool OutputPathFor(JobItem& job, std::string& outputPath);

// Turns `name` into a name for which nothing exists in `folder` with that
// extension: name, name(0), name(1), ... `folder` gets a final separator.
void MakeUniqueName(std::string& name, std::string& folder, const char* extension);

// Sets `est_size_mb` and `size_text` ("%.1fMB", or "? MB" when unknown).
void EstimateOutputSize(JobItem& job);

// The leading decimal integer of an option text, as atoi reads it.
int LeadingInteger(const char* text);

}  // namespace orva
