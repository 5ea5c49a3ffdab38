// The data files a user can edit, read back as at start: profile.dat (the
// saved profile choice) and outpath.dat (the saved destination).
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/data_files.h"
#include "app/startup_data.h"
#include "profiles/catalogue.h"
#include "profiles/profile_selection.h"

namespace {

// One scratch file per fuzzing process, removed when it ends.
const std::string& ScratchFile() {
  static const std::string path = [] {
    char name[] = "/tmp/orva-data-file-XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0) std::abort();
    close(fd);
    static std::string kept = name;
    std::atexit([] { std::remove(kept.c_str()); });
    return kept;
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orva;
  static const bool catalogueReady = (SetUpCatalogue(), true);
  (void)catalogueReady;
  const std::string& path = ScratchFile();
  if (WriteTextFile(path.c_str(), std::string(reinterpret_cast<const char*>(data), size)) != 0) {
    std::abort();
  }
  RestoreSavedProfile(path.c_str());
  if (currentProfile == nullptr) std::abort();
  char summary[kSummaryCapacity];
  FormatProfileSummary(*currentProfile, summary);
  (void)SavedOutputFolderText(ReadWholeFile(path.c_str()));
  return 0;
}
