#include "app/gui/platform_choice.h"

#include <QGuiApplication>

#include "app/gui/window_text.h"
#include "app/string_table.h"

namespace orva {

namespace {

constexpr char kPlatformVariable[] = "QT_QPA_PLATFORM";
bool chosenHere = false;

}  // namespace

void PreferX11Platform() {
  if (!qEnvironmentVariableIsEmpty(kPlatformVariable) || qEnvironmentVariableIsEmpty("DISPLAY")) return;
  // A list: the next platform is tried when the X display cannot be opened.
  qputenv(kPlatformVariable, "xcb;wayland");
  chosenHere = true;
}

void ForgetPlatformChoice() {
  if (!chosenHere) return;
  qunsetenv(kPlatformVariable);
  chosenHere = false;
}

bool PreviewCanEmbed() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

QString PreviewNotice() {
  if (PreviewCanEmbed()) return {};
  const int id = qEnvironmentVariableIsEmpty("DISPLAY") ? kStrPreviewNoDisplay : kStrPreviewOwnWindow;
  return WindowString(id);
}

}  // namespace orva
