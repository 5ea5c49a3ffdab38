// Echoes each line it reads prefixed by "got:" and exits 0 on the line "q".
#include <cstdio>
#include <cstring>

int main() {
  char line[256];
  while (std::fgets(line, sizeof line, stdin) != nullptr) {
    if (std::strcmp(line, "q\n") == 0) {
      std::fputs("bye\n", stdout);
      return 0;
    }
    std::printf("got:%s", line);
    std::fflush(stdout);
  }
  return 3;  // input closed without a quit
}
