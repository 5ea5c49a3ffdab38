#include "cli/run_files.h"

#include "cli/file_list.h"

namespace orva {

namespace {

std::string ShareText(const Shard& shard) { return std::to_string(shard.index) + "/" + std::to_string(shard.count); }

// The share asked for: --shard, else the array task's; none for a run of its own.
int ChosenShard(const CliOptions& options, const EnvironmentLookup& lookup, std::optional<Shard>& shard,
                std::string& message) {
  shard = options.shard;
  if (shard) return kFilesChosen;
  Shard task;
  switch (ShardFromSlurm(lookup, task)) {
    case kShardOfTask: shard = task; return kFilesChosen;
    case kTaskShareUnclear:
      message = "the share of this Slurm array task cannot be told from SLURM_ARRAY_TASK_ID, _MIN and _COUNT "
                "(an array of listed ids?); give --shard K/N";
      return kFilesUnusable;
    default: return kFilesChosen;
  }
}

}  // namespace

int ChooseRunFiles(CliOptions& options, const EnvironmentLookup& lookup, std::string& message) {
  if (!options.filesFrom.empty() && !ReadFileList(options.filesFrom, options.nulSeparated, options.files, message)) {
    return kFilesUnusable;
  }
  std::optional<Shard> shard;
  if (ChosenShard(options, lookup, shard, message) != kFilesChosen) return kFilesUnusable;
  const std::size_t listed = options.files.size();
  if (listed == 0) {
    message = "no file listed; nothing to convert";
    return kNothingToConvert;
  }
  if (!shard) return kFilesChosen;
  options.files = ShareOf(std::move(options.files), *shard);
  const std::string of = " of " + std::to_string(listed) + " files listed";
  if (options.files.empty()) {
    message = "share " + ShareText(*shard) + of + " is empty; nothing to convert";
    return kNothingToConvert;
  }
  message = "share " + ShareText(*shard) + ": " + std::to_string(options.files.size()) + of;
  return kFilesChosen;
}

}  // namespace orva
