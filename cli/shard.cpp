#include "cli/shard.h"

#include <algorithm>
#include <cstdlib>

namespace orva {

namespace {

constexpr long kMaxShares = 1000000;

// A plain decimal number up to a million.
bool ParseCount(const std::string& text, long& value) {
  if (text.empty() || text.size() > 7 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  value = std::strtol(text.c_str(), nullptr, 10);
  return value <= kMaxShares;
}

bool ReadVariable(const EnvironmentLookup& lookup, const char* name, long& value) {
  const char* text = lookup(name);
  return text != nullptr && ParseCount(text, value);
}

}  // namespace

bool ParseShard(const std::string& text, Shard& shard) {
  const auto slash = text.find('/');
  if (slash == std::string::npos) return false;
  long index = 0, count = 0;
  if (!ParseCount(text.substr(0, slash), index) || !ParseCount(text.substr(slash + 1), count)) return false;
  if (index < 1 || count < 1 || index > count) return false;
  shard = {static_cast<int>(index), static_cast<int>(count)};
  return true;
}

int ShardFromSlurm(const EnvironmentLookup& lookup, Shard& shard) {
  if (lookup("SLURM_ARRAY_TASK_ID") == nullptr) return kNoJobArray;
  long id = 0, min = 0, count = 0, step = 1;
  if (!ReadVariable(lookup, "SLURM_ARRAY_TASK_ID", id) || !ReadVariable(lookup, "SLURM_ARRAY_TASK_MIN", min) ||
      !ReadVariable(lookup, "SLURM_ARRAY_TASK_COUNT", count)) {
    return kTaskShareUnclear;
  }
  if (lookup("SLURM_ARRAY_TASK_STEP") != nullptr && !ReadVariable(lookup, "SLURM_ARRAY_TASK_STEP", step)) {
    return kTaskShareUnclear;
  }
  long max = 0;
  // Listed ids ("1,5,7") leave gaps the count does not show.
  if (ReadVariable(lookup, "SLURM_ARRAY_TASK_MAX", max) && step > 0 && max - min != (count - 1) * step) {
    return kTaskShareUnclear;
  }
  if (step < 1 || count < 1 || id < min || (id - min) % step != 0 || (id - min) / step >= count) {
    return kTaskShareUnclear;
  }
  shard = {static_cast<int>((id - min) / step + 1), static_cast<int>(count)};
  return kShardOfTask;
}

std::vector<std::string> ShareOf(std::vector<std::string> files, const Shard& shard) {
  std::sort(files.begin(), files.end());
  files.erase(std::unique(files.begin(), files.end()), files.end());
  std::vector<std::string> share;
  for (std::size_t i = static_cast<std::size_t>(shard.index - 1); i < files.size();
       i += static_cast<std::size_t>(shard.count)) {
    share.push_back(files[i]);
  }
  return share;
}

}  // namespace orva
