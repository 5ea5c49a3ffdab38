// Keeps running without writing anything until it is killed.
#include <unistd.h>

int main() {
  for (;;) pause();
}
