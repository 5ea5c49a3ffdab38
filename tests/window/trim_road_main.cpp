// The trim road tests run in the locale named by ORVA_ROAD_LANGUAGE ("de_DE",
// "fr_FR"; unset: C.UTF-8). The locale is made before the application starts,
// so the toolkit, the C library and every program the window starts live in
// it from the first moment, as a user's session does.
#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/gui/window_text.h"
#include "decimal_comma_locale.h"
#include "engine/tool_runner.h"

namespace {

bool EnterRoadLocale(std::string& why) {
  const char* language = std::getenv("ORVA_ROAD_LANGUAGE");
  std::string name = "C.UTF-8";
  if (language != nullptr && *language != '\0') {
    std::string locpath;
    if (!orva::test::MakeTestLocale(language, locpath, why)) return false;
    setenv("LOCPATH", locpath.c_str(), 1);
    name = std::string(language) + ".UTF-8";
  }
  setenv("LANG", name.c_str(), 1);
  setenv("LC_ALL", name.c_str(), 1);
  if (std::setlocale(LC_ALL, "") == nullptr) {
    why = "the C library does not take " + name;
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  std::string why;
  const bool inLocale = EnterRoadLocale(why);
  QApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
  QApplication application(argc, argv);
  orva::InstallWindowTranslation();
  orva::SetMessageDispatcher([] { QCoreApplication::processEvents(); });
  ::testing::InitGoogleTest(&argc, argv);
  if (!inLocale) {
    std::fprintf(stderr, "%s\n", why.c_str());
    return 1;
  }
  return RUN_ALL_TESTS();
}
