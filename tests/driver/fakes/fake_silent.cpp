// A fake encoder that talks but never reports "time=", then ends well.
#include "fake_args.h"

int main(int argc, char** argv) {
  std::puts("Input #0, fake, from 'source':");
  std::puts("Press [q] to stop, [?] for help");
  std::fflush(stdout);
  fake::WriteOutput(argc, argv);
  return 0;
}
