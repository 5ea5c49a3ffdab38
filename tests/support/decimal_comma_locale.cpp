#include "decimal_comma_locale.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "scratch_folder.h"

namespace orva::test {

namespace {

constexpr char kLocaleName[] = "de_DE.UTF-8";

bool Exists(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::exists(path, ignored);
}

// The folder that holds the made locale, shared by all test processes of the
// build. Each maker builds in a scratch folder and renames it into place, so
// tests running side by side never see half a locale.
bool MakeSharedLocale(std::string& why) {
  const std::string shared = ORVA_TEST_LOCALE_DIR;
  if (Exists(shared + "/" + kLocaleName + "/LC_NUMERIC")) return true;
  ScratchFolder scratch;
  const std::string made = scratch.file("locale");
  const std::string command =
      "localedef -i de_DE -f UTF-8 \"" + made + "/" + kLocaleName + "\" >/dev/null 2>&1";
  if (std::system(("mkdir -p \"" + made + "\"").c_str()) != 0 || std::system(command.c_str()) != 0) {
    why = "localedef -i de_DE -f UTF-8 failed (is the package locales installed?)";
    return false;
  }
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(shared).parent_path(), error);
  std::filesystem::rename(made, shared, error);  // fails harmlessly when another process was first
  if (Exists(shared + "/" + kLocaleName + "/LC_NUMERIC")) return true;
  why = "the locale cannot be placed in " + shared;
  return false;
}

}  // namespace

bool UseDecimalCommaLocale(std::string& why) {
  if (!MakeSharedLocale(why)) return false;
  setenv("LOCPATH", ORVA_TEST_LOCALE_DIR, 1);
  setenv("LANG", kLocaleName, 1);
  setenv("LC_ALL", kLocaleName, 1);
  if (std::setlocale(LC_ALL, "") == nullptr) {
    why = std::string("the C library does not take ") + kLocaleName;
    LeaveDecimalCommaLocale();
    return false;
  }
  char check[16];
  std::snprintf(check, sizeof check, "%.1f", 2.5);
  if (std::string(check) != "2,5") {
    why = std::string("the locale writes 2.5 as ") + check;
    LeaveDecimalCommaLocale();
    return false;
  }
  return true;
}

void LeaveDecimalCommaLocale() {
  unsetenv("LC_ALL");
  unsetenv("LANG");
  unsetenv("LOCPATH");
  std::setlocale(LC_ALL, "C");
}

std::string DecimalCommaEnvironment() {
  std::string ignored;
  if (!MakeSharedLocale(ignored)) return "";
  return std::string("LOCPATH=\"") + ORVA_TEST_LOCALE_DIR + "\" LANG=" + kLocaleName + " LC_ALL=" + kLocaleName;
}

}  // namespace orva::test
