#include "cli/file_list.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace orva {

std::vector<std::string> SplitFileList(const std::string& text, bool nulSeparated) {
  const char separator = nulSeparated ? '\0' : '\n';
  std::vector<std::string> paths;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(separator, start);
    if (end == std::string::npos) end = text.size();
    if (end > start) paths.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return paths;
}

namespace {

bool ReadWhole(int fd, std::string& text) {
  char buffer[65536];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got == 0) return true;
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    text.append(buffer, static_cast<std::size_t>(got));
  }
}

}  // namespace

bool ReadFileList(const std::string& path, bool nulSeparated, std::vector<std::string>& files,
                  std::string& error) {
  const bool standardInput = path == "-";
  const int fd = standardInput ? STDIN_FILENO : open(path.c_str(), O_RDONLY | O_CLOEXEC);
  std::string text;
  const bool read = fd >= 0 && ReadWhole(fd, text);
  const int readError = errno;
  if (fd >= 0 && !standardInput) close(fd);
  if (!read) {
    error = "--files-from: " + (standardInput ? std::string("standard input") : path) + ": " +
            std::strerror(readError);
    return false;
  }
  // A find -print0 list read as lines would become one path holding NULs.
  if (!nulSeparated && text.find('\0') != std::string::npos) {
    error = "--files-from: " + path + " holds NUL characters; read it with --null";
    return false;
  }
  const std::vector<std::string> listed = SplitFileList(text, nulSeparated);
  files.insert(files.end(), listed.begin(), listed.end());
  return true;
}

}  // namespace orva
