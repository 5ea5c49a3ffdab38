// One share of a long list of files, for one of many runs that convert it
// together (a task of a Slurm job array, a host of a cluster).
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace orva {

// The `index`-th of `count` shares, counted from 1.
struct Shard {
  int index = 1;
  int count = 1;
};

// "K/N" with 1 <= K <= N. False when the text is not one.
bool ParseShard(const std::string& text, Shard& shard);

// Results of ShardFromSlurm.
inline constexpr int kNoJobArray = 0;      // not a task of a job array
inline constexpr int kShardOfTask = 1;     // `shard` holds the task's share
inline constexpr int kTaskShareUnclear = 2;  // ids that are no plain range

// The share of the running Slurm array task, from SLURM_ARRAY_TASK_ID,
// _MIN, _COUNT (and _STEP, _MAX when set) as `lookup` gives them (getenv;
// nullptr for an unset variable): --array=0-15 and --array=1-16:1 both give
// task 1/16 to the first task, and a stepped range 0-30:2 numbers its tasks
// in steps. An array of listed ids ("1,5,7") cannot be told from the
// variables and is unclear.
using EnvironmentLookup = std::function<const char*(const char*)>;
int ShardFromSlurm(const EnvironmentLookup& lookup, Shard& shard);

// The share's files: the list sorted, each path once, then every N-th path
// from the K-th on. The split depends on the names alone, so every run that
// is given the same list agrees on it.
std::vector<std::string> ShareOf(std::vector<std::string> files, const Shard& shard);

}  // namespace orva
