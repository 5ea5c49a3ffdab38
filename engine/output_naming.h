// Where a job's output goes, under which unused name, and how large it will
// probably be.
#pragma once

#include <set>
#include <string>

#include "app/job_item.h"

namespace orva {

// The folder a job converts into, ending in a separator: its `out_dir`, or
// the source's own folder when that is empty.
std::string OutputFolderFor(const JobItem& job);

// Results of output naming.
inline constexpr int kNamed = 0;
inline constexpr int kOutputPathTooLong = 1;  // over 259 characters, or a name over 255
inline constexpr int kNameNotCheckable = 2;   // the folder cannot be searched

// Paths that count as taken although nothing exists there yet: the outputs
// a dry run has already handed out.
using ReservedPaths = std::set<std::string>;

// Fixes the job's output path and its `out_name`. On failure `out_name` is
// left empty and the result says why.
int OutputPathFor(JobItem& job, std::string& outputPath, const ReservedPaths* reserved = nullptr);

// The extension the job's output has: the one the encoder wrote it under,
// or the profile's.
const char* OutputExtensionOf(const JobItem& job);

// The full path of the job's output as named so far.
std::string OutputPathOf(const JobItem& job);

// Turns `name` into a name for which nothing exists in `folder` with that
// extension: name, name(0), name(1), ... `folder` gets a final separator.
// Only a definite "nothing there" makes a name free; a name that cannot be
// checked ends the search with kNameNotCheckable, and one that would not fit
// with kOutputPathTooLong.
int MakeUniqueName(std::string& name, std::string& folder, const char* extension,
                   const ReservedPaths* reserved = nullptr);

// The user's words for a naming result other than kNamed.
const char* NamingFailureText(int result);

// Sets `est_size_mb` and `size_text` ("%.1fMB", or "? MB" when unknown).
void EstimateOutputSize(JobItem& job);

// The leading decimal integer of an option text, as atoi reads it.
int LeadingInteger(const char* text);

}  // namespace orva
