// Signals that ask the encoder program to stop.
#pragma once

namespace orva::encoder {

enum class StopRequest {
  None,
  Quit,   // interrupt: let ffmpeg finish the file, keep it
  Abort,  // termination or hang-up: end ffmpeg, keep nothing
};

// Installs the handlers; a closed standard output no longer ends the program.
void WatchStopSignals();

// The strongest request since the last call, then None again.
StopRequest TakeStopRequest();

}  // namespace orva::encoder
