// cv.dat: the converter's encoder program, a front end over Debian's ffmpeg.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/encoder/encode_session.h"
#include "tools/encoder/request_plan.h"
#include "tools/encoder/side_files.h"
#include "tools/encoder/stop_signals.h"
#include "tools/encoder/temporary_output.h"

namespace {

int Refuse(const std::string& reason, int code) {
  std::fprintf(stderr, "cv.dat: %s\n", reason.c_str());
  return code;
}

// Test hook: ORVA_ENCODER_MOVE_BY_LINK=1 moves the finished file the way
// NFS needs (link, then unlink) on any file system, so that tests can try
// it where the no-replace rename works.
void ChooseMoveWay() {
  const char* forced = std::getenv("ORVA_ENCODER_MOVE_BY_LINK");
  if (forced != nullptr && std::string(forced) == "1") orva::encoder::MoveFinishedFilesBy(orva::MoveWay::LinkThenUnlink);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace orva::encoder;
  WatchStopSignals();
  ChooseMoveWay();
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
