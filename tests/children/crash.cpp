// Says something, then dies of a signal.
#include <cstdio>
#include <cstdlib>

int main() {
  std::fputs("about to fail\n", stdout);
  std::fflush(stdout);
  std::abort();
}
