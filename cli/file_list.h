// Lists of files to convert, as find and xargs users write them: one path
// a line, or NUL after each path (find -print0).
#pragma once

#include <string>
#include <vector>

namespace orva {

// The paths of a list's text. Each path is taken exactly as written; empty
// entries (blank lines, a final separator) are passed over.
std::vector<std::string> SplitFileList(const std::string& text, bool nulSeparated);

// Reads the list at `path` ("-": standard input) and appends its paths to
// `files`. False with `error` set when it cannot be read, or when a list of
// lines holds NUL characters (a -print0 list without --null).
bool ReadFileList(const std::string& path, bool nulSeparated, std::vector<std::string>& files,
                  std::string& error);

}  // namespace orva
