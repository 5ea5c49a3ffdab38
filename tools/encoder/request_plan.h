// From the converter's arguments to the ffmpeg run: the request read, the
// source learnt (by the probe, or from the facts handed on and then the
// whole source only when it holds more or a range applies), and the plan. The
// encoder program runs the plan; orva-convert's dry run prints it.
#pragma once

#include <string>
#include <vector>

#include "tools/encoder/encode_plan.h"
#include "tools/encoder/encode_request.h"

namespace orva::encoder {

// kParseOk, or kParseError / kPlanError with a reason in `error`. Side
// files are named for `processId` in the temporary folder.
int PlanRequest(const std::vector<std::string>& arguments, long processId, EncodeRequest& request,
                EncodePlan& plan, std::string& error);

// The plan as lines: the ffmpeg command it runs, then each notice.
std::string PlanText(const EncodePlan& plan, const EncodeRequest& request);

}  // namespace orva::encoder
