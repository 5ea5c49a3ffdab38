#include "app/startup_data.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/data_files.h"
#include "scratch_folder.h"

namespace orva {
namespace {

using test::ScratchFolder;

constexpr std::int64_t kNow = 1796812345;

// A folder nobody can create files in, not even root.
constexpr char kUnwritableFolder[] = "/proc";

TEST(StartupData, FirstStartWritesOnlyTheInstallDate) {
  ScratchFolder program;
  const StartupData data = RunStartupDataSteps(program.path(), "", kNow);
  EXPECT_EQ(data.dataFolder, program.path());
  EXPECT_EQ(ReadWholeFile(program.file("install.date").c_str()).value_or(""), "1796812345");
  EXPECT_EQ(data.installTime, "1796812345");
  EXPECT_FALSE(std::filesystem::exists(program.file("install")));
  EXPECT_FALSE(std::filesystem::exists(program.file("version")));
  EXPECT_EQ(program.fileCount(), 1);
  EXPECT_EQ(data.profilePath, program.file("profile.dat"));

  // A later start keeps the first date.
  EXPECT_EQ(RunStartupDataSteps(program.path(), "", kNow + 99).installTime, "1796812345");
}

TEST(StartupData, InstallMarkerSilencesTheInstallTime) {
  ScratchFolder program;
  program.touch("install");
  WriteTextFile(program.file("install.date").c_str(), "1700000000");
  EXPECT_EQ(RunStartupDataSteps(program.path(), "", kNow).installTime, "");
}

TEST(StartupData, SavedOutputFolderIsUsedOnlyWhileItTakesFiles) {
  ScratchFolder program;
  ScratchFolder destination;
  const std::string outpath = program.file("outpath.dat");

  WriteTextFile(outpath.c_str(), destination.path());
  EXPECT_EQ(RunStartupDataSteps(program.path(), "", kNow).outputFolder, destination.path());

  // A trailing separator: the test file goes straight into the folder and is
  // removed again.
  WriteTextFile(outpath.c_str(), destination.path() + "/");
  EXPECT_EQ(RunStartupDataSteps(program.path(), "", kNow).outputFolder, destination.path() + "/");
  EXPECT_EQ(destination.fileCount(), 0);

  WriteTextFile(outpath.c_str(), destination.path() + "/deleted-meanwhile");
  EXPECT_EQ(RunStartupDataSteps(program.path(), "", kNow).outputFolder, "");

  WriteTextFile(outpath.c_str(), kUnwritableFolder);
  EXPECT_EQ(RunStartupDataSteps(program.path(), "", kNow).outputFolder, "");

  WriteTextFile(outpath.c_str(), std::string(300, 'x'));
  EXPECT_EQ(RunStartupDataSteps(program.path(), "", kNow).outputFolder, "");
}

TEST(StartupData, ReadOnlyProgramFolderKeepsDataInTheUsersFolder) {
  ScratchFolder user;
  const std::string config = user.file("config/orva");
  const StartupData data = RunStartupDataSteps(kUnwritableFolder, config, kNow);
  EXPECT_EQ(data.programFolder, kUnwritableFolder);
  EXPECT_EQ(data.dataFolder, config);
  EXPECT_TRUE(std::filesystem::exists(config + "/install.date"));
  EXPECT_EQ(data.outpathPath, config + "/outpath.dat");
}

TEST(StartupData, NothingWritableAnywhereStillStarts) {
  const StartupData data = RunStartupDataSteps(kUnwritableFolder, "/proc/no-such/config", kNow);
  EXPECT_EQ(data.installTime, "");
  EXPECT_EQ(data.outputFolder, "");
}

// conversions.dat holds "auto" or one of the numbers the menu offers;
// anything else, or no file, is automatic.
TEST(StartupData, ConversionsAtOnceComeFromTheirFileOrAreAutomatic) {
  ScratchFolder program;
  const std::string path = program.file("conversions.dat");
  EXPECT_EQ(RunStartupDataSteps(program.path(), "", kNow).conversionsChoice, kAutomaticConversions);
  EXPECT_EQ(RunStartupDataSteps(program.path(), "", kNow).conversionsPath, path);
  for (int choice : {1, 8, kAutomaticConversions}) {
    ASSERT_EQ(WriteConversionsChoice(path, choice), 0);
    EXPECT_EQ(RunStartupDataSteps(program.path(), "", kNow).conversionsChoice, choice);
  }
  EXPECT_EQ(ReadWholeFile(path.c_str()).value_or(""), "auto");
  for (const char* text : {"5", "02", "-1", "two", "3 4", "64"}) {
    WriteTextFile(path.c_str(), text);
    EXPECT_EQ(ReadConversionsChoice(path), kAutomaticConversions) << text;
  }
  WriteTextFile(path.c_str(), "6\n");
  EXPECT_EQ(ReadConversionsChoice(path), 6);
}

}  // namespace
}  // namespace orva
