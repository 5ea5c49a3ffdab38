// Writes the byte count given as its argument in one go: the digits 0-9
// repeated, then exits.
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  const long count = argc > 1 ? std::atol(argv[1]) : 2000;
  std::string text;
  for (long i = 0; i < count; ++i) text += static_cast<char>('0' + i % 10);
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
  std::fputs(argc > 2 ? argv[2] : "", stderr);
  return 0;
}
