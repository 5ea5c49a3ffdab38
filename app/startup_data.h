// What the program reads and writes at start: the folder of its data files,
// the install date, the install marker, the saved output folder and how many
// jobs convert at once.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/conversions_choice.h"

namespace orva {

inline constexpr int kInstallTimeCapacity = 64;
inline constexpr int kOutputFolderCapacity = 260;

struct StartupData {
  // The executable's folder: the three external programs are always there.
  std::string programFolder;
  // Where the data files live: the program folder when files can be
  // created there, else the user's own configuration folder.
  std::string dataFolder;
  std::string installDatePath;
  std::string installMarkerPath;
  std::string versionPath;
  std::string profilePath;
  std::string outpathPath;
  std::string conversionsPath;
  // install.date's content while the install marker is missing, else empty.
  std::string installTime;
  // The saved destination when it still accepts files, else empty.
  std::string outputFolder;
  // How many jobs convert at once (conversions.dat): a number, or
  // kAutomaticConversions.
  int conversionsChoice = kAutomaticConversions;
};

// The start-up steps on the data files, in order: data folder, install.date
// (written once, holding `nowSeconds`), install marker, version file path,
// profile.dat, outpath.dat with the writability test, and conversions.dat.
// Failures are silent: the fields keep their defaults.
StartupData RunStartupDataSteps(const std::string& programFolder,
                                const std::string& userConfigFolder, std::int64_t nowSeconds);

// outpath.dat's content when it can be a folder this program saved, else
// empty. Whether files can still be created there is tested apart.
std::string SavedOutputFolderText(const std::optional<std::string>& content);

// Path of a data file: folder, separator, name.
std::string DataFilePath(const std::string& folder, const char* name);

}  // namespace orva
