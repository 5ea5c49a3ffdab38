#include "cli/job_records.h"

#include <cstdio>
#include <filesystem>

#include "engine/conversion_texts.h"
#include "engine/output_naming.h"
#include "engine/process.h"

namespace orva {

namespace {

std::uintmax_t SizeOf(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  return error ? 0 : size;
}

bool Exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

}  // namespace

JobRecords::JobRecords(ReportFile* file) : file_(file), host_(PlatformHostName()) {}

void JobRecords::started(const JobItem& job) {
  if (file_ != nullptr) starts_[&job] = std::chrono::steady_clock::now();
}

void JobRecords::ended(const JobItem& job, const std::string& status) {
  if (file_ == nullptr) return;
  ReportEntry entry;
  entry.source = job.path;
  entry.host = host_;
  const bool succeeded = status == kStatusSuccess;
  entry.result = succeeded ? kResultSucceeded : kResultFailed;
  entry.reason = job.fail_reason;
  // A failed job may have kept a shortened file (stopped); a job whose
  // command could not be built has no output name at all.
  if (job.out_name[0] != '\0') {
    const std::string output = OutputPathOf(job);
    if (succeeded || Exists(output)) {
      entry.output = output;
      entry.bytes = SizeOf(output);
    }
  }
  const auto start = starts_.find(&job);
  if (start != starts_.end()) {
    entry.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start->second).count();
    starts_.erase(start);
  }
  write(entry);
}

void JobRecords::notConverted(const std::string& source, const std::string& reason) {
  if (file_ == nullptr) return;
  ReportEntry entry;
  entry.source = source;
  entry.host = host_;
  entry.result = kResultFailed;
  entry.reason = reason;
  write(entry);
}

void JobRecords::outputExists(const std::string& source, const std::string& output) {
  if (file_ == nullptr) return;
  ReportEntry entry;
  entry.source = source;
  entry.host = host_;
  entry.result = kResultSkipped;
  entry.reason = "the output exists";
  entry.output = output;
  entry.bytes = SizeOf(output);
  write(entry);
}

void JobRecords::write(const ReportEntry& entry) {
  if (file_->append(ReportLine(entry)) || writeFailed_) return;
  writeFailed_ = true;
  std::fputs("orva-convert: --report: a line could not be written whole; the report is incomplete\n", stderr);
}

}  // namespace orva
