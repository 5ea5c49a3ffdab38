#include "app/job_item.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "engine/process.h"
#include "engine/number_text.h"

namespace orva {

JobItem* NewJobItem() { return new JobItem{}; }

JobItem* JobList::at(int position) const {
  JobItem* job = head;
  for (int i = 0; job != nullptr && i < position; ++i) job = job->next;
  return position < 0 ? nullptr : job;
}

JobItem* JobList::last() const {
  JobItem* job = head;
  while (job != nullptr && job->next != nullptr) job = job->next;
  return job;
}

int JobList::count() const {
  int n = 0;
  for (JobItem* job = head; job != nullptr; job = job->next) ++n;
  return n;
}

void JobList::append(JobItem* job) {
  job->next = nullptr;
  if (JobItem* tail = last()) {
    tail->next = job;
  } else {
    head = job;
  }
}

void JobList::removeAt(int position) {
  JobItem* job = at(position);
  if (job == nullptr) return;
  if (position == 0) {
    head = job->next;
  } else {
    at(position - 1)->next = job->next;
  }
  delete job;
}

void JobList::renumber() {
  int index = 0;
  for (JobItem* job = head; job != nullptr; job = job->next) job->index = index++;
}

void JobList::freeAll() {
  while (head != nullptr) {
    JobItem* next = head->next;
    delete head;
    head = next;
  }
}

JobList& TheJobList() {
  static JobList jobs;
  return jobs;
}

void FormatClock(double seconds, char (&out)[kClockCapacity]) {
  // Beyond about 31 700 years the text would no longer be read anyway; the
  // limit keeps the conversion to an integer defined.
  constexpr double kLimit = 1e12;
  if (std::isnan(seconds)) seconds = 0;
  seconds = std::clamp(seconds, -kLimit, kLimit);
  const long long whole = static_cast<long long>(seconds);  // toward zero
  const long long hours = whole / 3600;
  const long long minutes = (whole % 3600) / 60;
  const double rest = seconds - 3600.0 * static_cast<double>(hours) -
                      60.0 * static_cast<double>(minutes);
  // "%02lld:%02lld:%05.2f", with a dot before the hundredths in every locale.
  const std::string secondsText = ZeroFilledFixedText(rest, 2, 5);
  std::snprintf(out, sizeof out, "%02lld:%02lld:%s", hours, minutes, secondsText.c_str());
}

std::string FormatClock(double seconds) {
  char text[kClockCapacity];
  FormatClock(seconds, text);
  return text;
}

std::u16string FormatClockWide(double seconds) {
  const std::string narrow = FormatClock(seconds);
  return std::u16string(narrow.begin(), narrow.end());  // digits and signs only
}

namespace {

template <std::size_t N>
void CopyField(char (&field)[N], const char* from, std::size_t length) {
  if (length >= N) length = N - 1;
  std::memcpy(field, from, length);
  field[length] = '\0';
}

}  // namespace

void SplitJobPath(JobItem& job) {
  const char* path = job.path;
  const char* slash = std::strrchr(path, kPathSeparator);
  const char* fileName = slash != nullptr ? slash + 1 : path;
  const char* dot = std::strrchr(fileName, '.');
  if (dot == nullptr || dot == fileName) dot = fileName + std::strlen(fileName);

  job.drive[0] = '\0';
  CopyField(job.dir, path, static_cast<std::size_t>(fileName - path));
  CopyField(job.name, fileName, static_cast<std::size_t>(dot - fileName));
  CopyField(job.ext, dot, std::strlen(dot));
}

}  // namespace orva
