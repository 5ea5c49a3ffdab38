// Adding many short clips: through the window's add path (files measured in
// parallel behind the wait box) against one probe run after the other, in
// one run. Usage (offscreen, after scripts/build.sh):
//   QT_QPA_PLATFORM=offscreen build/bin/orva_add_files_bench [COUNT]
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/gui/window_services.h"
#include "app/gui/zoz_dlg.h"
#include "app/job_item.h"
#include "engine/media_probe.h"
#include "engine/process.h"
#include "engine/tool_runner.h"
#include "profiles/catalogue.h"

namespace {

bool MakeClips(const QString& folder, int count, QStringList& paths) {
  const std::string first = (folder + "/clip0.mp4").toStdString();
  const std::string make = "ffmpeg -v error -y -f lavfi -i testsrc=size=320x240:rate=25:duration=2 "
                           "-f lavfi -i sine=duration=2 -c:v mpeg4 -c:a aac -shortest '" + first + "'";
  if (std::system(make.c_str()) != 0) return false;
  for (int i = 0; i < count; ++i) {
    const QString path = folder + QStringLiteral("/clip%1.mp4").arg(i);
    if (i > 0 && !QFile::copy(QString::fromStdString(first), path)) return false;
    paths << path;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const int count = argc > 1 ? std::atoi(argv[1]) : 100;
  orva::SetUpCatalogue();
  orva::SetMessageDispatcher([] { QCoreApplication::processEvents(); });
  QTemporaryDir media;
  QStringList paths;
  if (!MakeClips(media.path(), count, paths)) return 1;

  orva::WindowOptions options;
  options.programFolder = orva::PlatformExecutableFolder();
  options.userConfigFolder = media.filePath("config").toStdString();
  orva::WindowServices services = orva::DesktopServices();
  services.videoFolder = [] { return QString(); };
  orva::ZozDlg window(options, services);

  QElapsedTimer clock;
  clock.start();
  window.AddDroppedFiles(paths);
  const double windowSeconds = clock.nsecsElapsed() / 1e9;
  const int added = orva::TheJobList().count();
  window.OnClear();

  clock.restart();
  int sequential = 0;
  for (const QString& path : paths) {
    if (orva::ProbeAndAddFile(path.toStdString().c_str()) == 0) ++sequential;
  }
  const double sequentialSeconds = clock.nsecsElapsed() / 1e9;
  orva::TheJobList().freeAll();

  std::printf("window add path: %d files in %.2f s\n", added, windowSeconds);
  std::printf("sequential probe runs: %d files in %.2f s\n", sequential, sequentialSeconds);
  std::printf("ratio %.2f\n", windowSeconds / sequentialSeconds);
  return added == count && sequential == count ? 0 : 1;
}
