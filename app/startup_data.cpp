#include "app/startup_data.h"

#include <filesystem>
#include <system_error>

#include "app/conversions_choice.h"
#include "app/data_files.h"
#include "engine/process.h"

namespace orva {

namespace {

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

// An installed copy lives in a folder its users cannot write; its data files
// then go to the user's configuration folder, made when missing.
std::string ChooseDataFolder(const std::string& programFolder, const std::string& userConfigFolder) {
  if (CheckWritableFolder(programFolder.c_str()) == 0 || userConfigFolder.empty()) return programFolder;
  std::error_code error;
  std::filesystem::create_directories(userConfigFolder, error);
  return userConfigFolder;
}

void WriteInstallDateOnce(const std::string& path, std::int64_t nowSeconds) {
  if (FileExists(path)) return;
  WriteTextFile(path.c_str(), std::to_string(nowSeconds));
}

std::string ReadInstallTime(const std::string& path) {
  const auto content = ReadWholeFile(path.c_str());
  if (!content) return {};
  return content->substr(0, kInstallTimeCapacity - 1);
}

// A saved folder is used only while files can still be created in it.
std::string ReadSavedOutputFolder(const std::string& path) {
  std::string folder = SavedOutputFolderText(ReadWholeFile(path.c_str()));
  if (folder.empty() || CheckWritableFolder(folder.c_str()) != 0) return {};
  return folder;
}

}  // namespace

std::string SavedOutputFolderText(const std::optional<std::string>& content) {
  // A text too long for the destination field, or holding a NUL, was not
  // written by this program.
  if (!content || content->size() >= static_cast<std::size_t>(kOutputFolderCapacity)) return {};
  if (content->find('\0') != std::string::npos) return {};
  return *content;
}

std::string DataFilePath(const std::string& folder, const char* name) {
  std::string path = folder;
  if (path.empty() || path.back() != kPathSeparator) path += kPathSeparator;
  return path + name;
}

StartupData RunStartupDataSteps(const std::string& programFolder,
                                const std::string& userConfigFolder, std::int64_t nowSeconds) {
  StartupData data;
  data.programFolder = programFolder;
  data.dataFolder = ChooseDataFolder(programFolder, userConfigFolder);
  data.installDatePath = DataFilePath(data.dataFolder, "install.date");
  WriteInstallDateOnce(data.installDatePath, nowSeconds);
  data.installMarkerPath = DataFilePath(data.dataFolder, "install");
  data.versionPath = DataFilePath(data.dataFolder, "version");
  if (!FileExists(data.installMarkerPath)) data.installTime = ReadInstallTime(data.installDatePath);
  data.profilePath = DataFilePath(data.dataFolder, "profile.dat");
  data.outpathPath = DataFilePath(data.dataFolder, "outpath.dat");
  data.outputFolder = ReadSavedOutputFolder(data.outpathPath);
  data.conversionsPath = DataFilePath(data.dataFolder, "conversions.dat");
  data.conversionsChoice = ReadConversionsChoice(data.conversionsPath);
  return data;
}

}  // namespace orva
