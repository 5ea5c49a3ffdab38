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

// The folder that holds the made locales, shared by all test processes of
// the build. Each maker builds in a scratch folder and renames the locale
// into place, so tests running side by side never see half a locale.
bool MakeSharedLocale(const std::string& language, std::string& why) {
  const std::string shared = ORVA_TEST_LOCALE_DIR;
  const std::string name = language + ".UTF-8";
  if (Exists(shared + "/" + name + "/LC_NUMERIC")) return true;
  ScratchFolder scratch;
  const std::string made = scratch.file(name);
  const std::string command = "localedef -i " + language + " -f UTF-8 \"" + made + "\" >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0 || !Exists(made + "/LC_NUMERIC")) {
    why = "localedef -i " + language + " -f UTF-8 failed (is the package locales installed?)";
    return false;
  }
  std::error_code error;
  std::filesystem::create_directories(shared, error);
  std::filesystem::rename(made, shared + "/" + name, error);  // fails harmlessly when another process was first
  if (Exists(shared + "/" + name + "/LC_NUMERIC")) return true;
  why = "the locale cannot be placed in " + shared;
  return false;
}

}  // namespace

bool UseDecimalCommaLocale(std::string& why) {
  if (!MakeSharedLocale("de_DE", why)) return false;
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
  if (!MakeSharedLocale("de_DE", ignored)) return "";
  return std::string("LOCPATH=\"") + ORVA_TEST_LOCALE_DIR + "\" LANG=" + kLocaleName + " LC_ALL=" + kLocaleName;
}

bool MakeTestLocale(const std::string& language, std::string& locpath, std::string& why) {
  if (!MakeSharedLocale(language, why)) return false;
  locpath = ORVA_TEST_LOCALE_DIR;
  return true;
}

}  // namespace orva::test
