#include "app/gui/zoz_app.h"

#include <QDir>
#include <QStandardPaths>

#include "app/gui/window_services.h"
#include "app/gui/window_text.h"
#include "app/gui/zoz_dlg.h"
#include "engine/process.h"
#include "engine/tool_runner.h"
#include "profiles/catalogue.h"

namespace orva {

namespace {

QApplication* MakeApplication(int& argc, char** argv) {
  // Qt picks the session's own window system (Wayland in a Wayland session,
  // at the compositor's scale); QT_QPA_PLATFORM still chooses another.
  auto* application = new QApplication(argc, argv);
  QApplication::setApplicationName(QStringLiteral("orva-video-converter"));
  QApplication::setOrganizationName(QStringLiteral("orva"));
  InstallWindowTranslation();
  InstallToolkitTranslation();
  return application;
}

}  // namespace

ZozApp::ZozApp(int& argc, char** argv) : application_(MakeApplication(argc, argv)) {}

ZozApp::~ZozApp() { SetMessageDispatcher(nullptr); }

int ZozApp::Run() {
  SetUpCatalogue();
  // Waits that pump messages keep the window answering.
  SetMessageDispatcher([] { QCoreApplication::processEvents(); });

  WindowOptions options;
  options.programFolder = PlatformExecutableFolder();
  options.userConfigFolder =
      QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString();
  ZozDlg window(options, DesktopServices());
  window.show();

  // Files named on the command line ("Open with" from a file manager) are
  // added as a drop adds them.
  QStringList files;
  const QStringList arguments = QCoreApplication::arguments();
  for (int i = 1; i < arguments.size(); ++i) files << QDir::current().absoluteFilePath(arguments[i]);
  if (!files.isEmpty()) window.AddDroppedFiles(files);
  return QApplication::exec();
}

}  // namespace orva
