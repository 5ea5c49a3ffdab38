// The encoder's command line for one job: source, trim range, the chosen
// options of the job's profile and the output path.
#pragma once

#include <string>

#include "app/job_item.h"
#include "engine/conversion_state.h"
#include "engine/tool_runner.h"

namespace orva {

// The encoder's buildCommand. The encoder's ToolDescriptor itself is put
// together by the conversion driver, which owns the digest of its output.
// This builds the command line of the context's current job
// (the context is a ConversionState). -1 when there is no current job or the
// command cannot be built; the command line is then left untouched.
int EncoderBuildCommand(ToolRunner& runner);

// Builds the command line of `job` into `commandLine` and fixes the job's
// output name. 0 on success; -1 when a path holds a double quote, the output
// path would not fit 259 characters or the command 1023 (nothing is written
// then, so no truncated command can run).
int BuildEncoderCommand(const char* programPath, JobItem& job,
                        char (&commandLine)[kCommandCapacity]);

// The option fragments, each ending in a blank.
std::string VideoOptions(const Profile& profile);
std::string AudioOptions(const Profile& profile);

}  // namespace orva
