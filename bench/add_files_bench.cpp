// Adding many short clips through the window's add path (one batch probe
// program behind the wait box) against one ffprobe run per file, one after
// the other, and the add of COUNT files against that of a third as many, to
// show how it grows. Rounds alternate; the figures are medians.
// Usage (offscreen, after scripts/build.sh):
//   QT_QPA_PLATFORM=offscreen build/bin/orva_add_files_bench [COUNT [ROUNDS]]
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/gui/window_services.h"
#include "bench/bench_clips.h"
#include "app/gui/zoz_dlg.h"
#include "app/job_item.h"
#include "engine/media_probe.h"
#include "engine/process.h"
#include "engine/tool_runner.h"
#include "profiles/catalogue.h"

namespace {

using orva::bench::Median;

// Seconds until the window's list is complete (the wait box gone, the
// probe program ended); false when a file was not added.
bool TimeWindowAdd(orva::ZozDlg& window, const QStringList& paths, double& seconds) {
  QElapsedTimer clock;
  clock.start();
  window.AddDroppedFiles(paths);
  seconds = clock.nsecsElapsed() / 1e9;
  const bool whole = orva::TheJobList().count() == paths.size();
  window.OnClear();
  return whole;
}

bool TimeSequentialProbes(const QStringList& paths, double& seconds) {
  QElapsedTimer clock;
  clock.start();
  int added = 0;
  for (const QString& path : paths) {
    if (orva::ProbeAndAddFile(path.toStdString().c_str()) == orva::kProbeAdded) ++added;
  }
  seconds = clock.nsecsElapsed() / 1e9;
  orva::TheJobList().freeAll();
  return added == paths.size();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const int count = argc > 1 ? std::max(3, std::atoi(argv[1])) : 300;
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  orva::SetUpCatalogue();
  orva::SetMessageDispatcher([] { QCoreApplication::processEvents(); });
  QTemporaryDir media;
  QStringList paths;
  if (!orva::bench::MakeClips(media.path(), count, 2, paths)) return 1;
  const QStringList third = paths.mid(0, count / 3);

  orva::WindowOptions options;
  options.programFolder = orva::PlatformExecutableFolder();
  options.userConfigFolder = media.filePath("config").toStdString();
  orva::WindowServices services = orva::DesktopServices();
  services.videoFolder = [] { return QString(); };
  orva::ZozDlg window(options, services);
  const std::string ffprobe = options.programFolder + orva::kPathSeparator + "pb.dat";
  std::snprintf(orva::ProbeRunner().programPath, orva::kPathCapacity, "%s", ffprobe.c_str());

  std::vector<double> whole, small, sequential;
  for (int round = 0; round < rounds; ++round) {
    double seconds = 0;
    if (!TimeWindowAdd(window, paths, seconds)) return 1;
    whole.push_back(seconds);
    if (!TimeSequentialProbes(paths, seconds)) return 1;
    sequential.push_back(seconds);
    if (!TimeWindowAdd(window, third, seconds)) return 1;
    small.push_back(seconds);
  }

  const double wholeSeconds = Median(whole), smallSeconds = Median(small), sequentialSeconds = Median(sequential);
  std::printf("window add path: %d files in %.2f s, %lld files in %.2f s (medians of %d rounds)\n", count,
              wholeSeconds, static_cast<long long>(third.size()), smallSeconds, rounds);
  std::printf("sequential ffprobe runs: %d files in %.2f s\n", count, sequentialSeconds);
  std::printf("window / sequential: %.3f (goal <= 0.10)\n", wholeSeconds / sequentialSeconds);
  std::printf("%d files / %lld files: %.2f (goal <= 3.3)\n", count, static_cast<long long>(third.size()),
              wholeSeconds / smallSeconds);
  return 0;
}
