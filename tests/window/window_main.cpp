// Window tests run inside one application object, offscreen.
#include <gtest/gtest.h>

#include <QApplication>

#include "engine/tool_runner.h"

int main(int argc, char** argv) {
  QApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
  QApplication application(argc, argv);
  orva::SetMessageDispatcher([] { QCoreApplication::processEvents(); });
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
