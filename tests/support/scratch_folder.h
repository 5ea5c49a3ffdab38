// A fresh empty folder for one test, removed with the object.
#pragma once

#include <string>

namespace orva::test {

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  void touch(const std::string& name) const;  // a small file of that name
  int fileCount() const;

 private:
  std::string path_;
};

}  // namespace orva::test
