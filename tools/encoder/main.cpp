// cv.dat: the converter's encoder program, a front end over Debian's ffmpeg.
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/encoder/encode_session.h"
#include "tools/encoder/request_plan.h"
#include "tools/encoder/side_files.h"
#include "tools/encoder/stop_signals.h"

namespace {

int Refuse(const std::string& reason, int code) {
  std::fprintf(stderr, "cv.dat: %s\n", reason.c_str());
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace orva::encoder;
  WatchStopSignals();
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const long processId = static_cast<long>(getpid());
  EncodeRequest request;
  EncodePlan plan;
  std::string error;
  const int planned = PlanRequest(arguments, processId, request, plan, error);
  if (planned != kParseOk) return Refuse(error, planned);
  if (!PrepareSideFiles(plan.side, error)) return Refuse(error, kPlanError);
  const int code = RunEncodeSession(plan, request.output, processId);
  RemoveSideFiles(plan.side);
  return code;
}
