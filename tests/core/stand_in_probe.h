// A fixture with a stand-in probe that counts its starts, run under a name of
// the test's own so that one left running is told apart from the stand-ins of
// tests running beside it.
#pragma once

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "scratch_folder.h"
#include "test_support.h"

namespace orva::test {

class StandInProbeTest : public ::testing::Test {
 protected:
  StandInProbeTest() {
    std::filesystem::create_symlink(std::string(ORVA_TEST_CHILDREN_DIR) + "/child_probe_answers", probe);
    setenv("ORVA_TEST_START_LOG", log.c_str(), 1);
    currentProfile = &AudioTestProfile();
  }
  ~StandInProbeTest() override { unsetenv("ORVA_TEST_START_LOG"); }

  int starts() const {
    std::ifstream in(log);
    int count = 0;
    for (std::string line; std::getline(in, line);) ++count;
    return count;
  }

  ScratchFolder folder;
  const std::string log = folder.file("starts");
  const std::string probe = folder.file("probe");
};

}  // namespace orva::test
