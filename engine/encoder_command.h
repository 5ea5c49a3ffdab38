// The encoder's command line for one job: source, trim range, the chosen
// options of the job's profile and the output path.
#pragma once

#include <string>

#include "app/job_item.h"
#include "engine/conversion_state.h"
#include "engine/output_naming.h"
#include "engine/tool_runner.h"

namespace orva {

// Results of building a command; 1 and 2 are the naming results
// kOutputPathTooLong and kNameNotCheckable (output_naming.h).
inline constexpr int kCommandBuilt = 0;
inline constexpr int kCommandTooLong = 4;

// The encoder's buildCommand. The encoder's ToolDescriptor itself is put
// together by the conversion driver, which owns the digest of its output.
// This builds the command line of the context's current job
// (the context is a ConversionState). -1 when there is no current job, else
// the result of BuildEncoderCommand; the command line is untouched unless
// it was built.
int EncoderBuildCommand(ToolRunner& runner);

// Builds the command line of `job` into `commandLine` and fixes the job's
// output name (outputs in `reserved` count as taken). With
// `withSourceFacts`, the facts the probe found go on it as -source-facts, so
// that the encoder need not measure the source again. Paths are quoted with
// QuoteArgument, so any name the file system allows is passed on whole.
// kCommandBuilt, or why not: the output path cannot be named, or the command
// would not fit 1023 characters (nothing is written then, so no truncated
// command can run).
int BuildEncoderCommand(const char* programPath, JobItem& job,
                        char (&commandLine)[kCommandCapacity],
                        const ReservedPaths* reserved = nullptr, bool withSourceFacts = false);

// The user's words for a result other than kCommandBuilt.
const char* CommandFailureText(int result);

// The option fragments, each ending in a blank.
std::string VideoOptions(const Profile& profile);
std::string AudioOptions(const Profile& profile);

}  // namespace orva
