// A job: one source file waiting to be converted, and the process-wide list
// of jobs in the order of the list rows.
#pragma once

#include <cstdint>
#include <string>

#include "engine/source_facts.h"
#include "profiles/profile.h"

namespace orva {

inline constexpr int kJobPathCapacity = 260;
inline constexpr int kClockCapacity = 32;
inline constexpr int kReasonCapacity = 256;

struct JobItem {
  char path[kJobPathCapacity];
  char drive[32];  // always empty on POSIX
  char dir[kJobPathCapacity];  // with its trailing separator
  char ext[32];    // with its dot
  char name[kJobPathCapacity];
  char out_name[kJobPathCapacity];
  char out_dir[kJobPathCapacity];  // empty: the source's folder
  double duration;
  char duration_text[kClockCapacity];
  std::int32_t width;
  std::int32_t height;
  double trim_begin;
  double trim_end;
  Profile* profile;
  JobItem* next;
  std::int32_t index;
  float est_size_mb;
  char size_text[16];
  std::int32_t audio_streams;  // from the probe
  // Why the job did not succeed, for the user; empty when it did or has not
  // run. Set by the conversion driver.
  char fail_reason[kReasonCapacity];
  double audio_duration;  // of the source's main audio; 0 when unknown or none
  // The extension the encoder wrote the output under, with its dot, when
  // that is not the profile's (the file holds another format than the
  // profile's extension names); empty otherwise.
  char out_ext[32];
  SourceFacts source_facts;  // from the probe, for the encoder program
  // What the output could not carry of the source, as the encoder said it:
  // "not kept: subtitles (AVI holds none); cover art (AVI holds none)".
  // Empty when everything was kept or the job has not run. Never a failure.
  char not_kept[kReasonCapacity];
};

// A zero-filled job, owned by the list it is appended to.
JobItem* NewJobItem();

struct JobList {
  JobItem* head = nullptr;

  JobItem* at(int position) const;  // nullptr beyond the end
  JobItem* last() const;
  int count() const;
  void append(JobItem* job);
  void removeAt(int position);  // frees the job; the caller renumbers
  void renumber();
  void freeAll();
};

// The job list of the program.
JobList& TheJobList();

// Clock text "%02d:%02d:%05.2f" of a number of seconds. The seconds field
// keeps the fraction and is rounded by the format alone, so 59.999 reads
// 00:00:60.00. Values beyond a trillion seconds either way are shown as that
// limit, and NaN as 0.
void FormatClock(double seconds, char (&out)[kClockCapacity]);
std::string FormatClock(double seconds);
std::u16string FormatClockWide(double seconds);

// Splits a path into drive (empty on POSIX), folder with its separator, name
// without extension, and extension with its dot.
void SplitJobPath(JobItem& job);

}  // namespace orva
