// Window tests run inside one application object, offscreen.
#include <gtest/gtest.h>

#include <QApplication>

#include "engine/tool_runner.h"

int main(int argc, char** argv) {
  // Also when the build lists the tests, where no test environment is set.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
  QApplication application(argc, argv);
  orva::SetMessageDispatcher([] { QCoreApplication::processEvents(); });
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
