// Where the window's time goes when it converts many short clips, one at a
// time and two at once: from the Convert click to the first encoder (the
// preview's stop included), the preview's stop alone, the time between two
// launches in one lane, and the whole run against orva-convert --jobs N on
// the same files (both react to the encoders' output as it comes), less
// its dry run (start and measuring the files).
// Rounds alternate; the figures are medians.
// Usage (offscreen, after scripts/build.sh):
//   QT_QPA_PLATFORM=offscreen build/bin/orva_window_convert_bench [COUNT [ROUNDS]]
// or, for one timed batch of given files (see TimeBatch):
//   QT_QPA_PLATFORM=offscreen build/bin/orva_window_convert_bench --batch PROFILE LANES OUT FILE...
// or, for a click's wait while encoders run and the memory with many rows:
//   QT_QPA_PLATFORM=offscreen build/bin/orva_window_convert_bench --responsiveness [ROWS]
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTimer>
#include <QTreeWidget>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/gui/window_services.h"
#include "bench/bench_clips.h"
#include "app/gui/zoz_dlg.h"
#include "app/job_item.h"
#include "engine/process.h"
#include "engine/tool_runner.h"
#include "profiles/catalogue.h"

namespace {

using orva::ZozDlg;

using orva::bench::Median;

bool Wait(const std::function<bool()>& done, int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > milliseconds) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    QThread::usleep(200);
  }
  return true;
}

void EmptyFolder(const QString& folder) {
  QDir dir(folder);
  for (const QString& name : dir.entryList(QDir::Files)) dir.remove(name);
}

struct WindowRun {
  double click = 0;           // Convert's command, preview stop and first launches
  double whole = 0;           // the click to the end of the run
  double launchInterval = 0;  // mean time between two launches in one lane
};

// Converts the list with the preview of its first job loaded, noting every
// launch of every lane.
bool TimeWindowRun(ZozDlg& window, int lanes, WindowRun& run) {
  window.OnRowClicked(0);
  if (!Wait([&] { return window.preview().loaded(); }, 10000)) return false;
  window.ChooseConversionsAtOnce(lanes);
  QElapsedTimer clock;
  clock.start();
  window.OnConvert();
  run.click = clock.nsecsElapsed() / 1e9;
  std::vector<std::vector<double>> launches(static_cast<std::size_t>(window.lanes().laneCount()));
  std::vector<std::uint32_t> lastPid(launches.size(), 0);
  const auto noteLaunches = [&] {
    for (std::size_t lane = 0; lane < launches.size(); ++lane) {
      const std::uint32_t pid = window.lanes().driver(static_cast<int>(lane)).encoderRunner().processId;
      if (pid == lastPid[lane]) continue;
      lastPid[lane] = pid;
      launches[lane].push_back(clock.nsecsElapsed() / 1e9);
    }
    return (window.uiState() & orva::kUiConverting) == 0;
  };
  if (!Wait(noteLaunches, 600000)) return false;
  run.whole = clock.nsecsElapsed() / 1e9;
  double intervals = 0;
  int count = 0;
  for (const auto& times : launches) {
    for (std::size_t i = 1; i < times.size(); ++i, ++count) intervals += times[i] - times[i - 1];
  }
  run.launchInterval = count > 0 ? intervals / count : 0;
  return true;
}

double TimeStopPreview(ZozDlg& window) {
  window.OnRowClicked(0);
  if (!Wait([&] { return window.preview().loaded(); }, 10000)) return -1;
  QElapsedTimer clock;
  clock.start();
  window.preview().StopPreview();
  return clock.nsecsElapsed() / 1e9;
}

double TimeConverter(const std::string& program, const QStringList& paths, const QString& out, int lanes,
                     const char* extra = "") {
  std::string command = "'" + program + "' " + extra + " --jobs " + std::to_string(lanes) + " --output-dir '" +
                        out.toStdString() + "'";
  for (const QString& path : paths) command += " '" + path.toStdString() + "'";
  command += " >/dev/null 2>&1";
  QElapsedTimer clock;
  clock.start();
  const int status = std::system(command.c_str());
  return status == 0 ? clock.nsecsElapsed() / 1e9 : -1;
}

// A program folder of its own, so that the data files stay out of the build.
std::string MakeProgramFolder(const QTemporaryDir& work) {
  QDir(work.path()).mkpath("program");
  const std::string bin = orva::PlatformExecutableFolder();
  for (const char* tool : {"pb.dat", "orva-probe", "cv.dat", "py.dat"}) {
    QFile::link(QString::fromStdString(bin + "/" + tool), work.filePath(QStringLiteral("program/") + tool));
  }
  return work.filePath("program").toStdString();
}

// --batch PROFILE LANES OUT FILE...: the window converts the files with the
// profile, LANES at once (0: automatic), into OUT; prints the seconds from
// Convert to the last output in place, for bench/batch_speed.py.
int TimeBatch(int argc, char** argv) {
  if (argc < 6) return 2;
  QTemporaryDir work;
  const QString out = QString::fromLocal8Bit(argv[4]);
  QStringList paths;
  for (int i = 5; i < argc; ++i) paths << QString::fromLocal8Bit(argv[i]);
  orva::WindowOptions options;
  options.programFolder = MakeProgramFolder(work);
  orva::WindowServices services = orva::DesktopServices();
  services.videoFolder = [out] { return out; };
  ZozDlg window(options, services);
  window.SelectProfileById(std::atoi(argv[2]));
  window.ChooseConversionsAtOnce(std::atoi(argv[3]));
  window.AddDroppedFiles(paths);
  if (orva::TheJobList().count() != paths.size()) return 1;
  QElapsedTimer clock;
  clock.start();
  window.OnConvert();
  if (!Wait([&] { return (window.uiState() & orva::kUiConverting) == 0; }, 3600000)) return 1;
  std::printf("%.3f\n", clock.nsecsElapsed() / 1e9);
  return 0;
}

// The window's own resident memory, in MB (its child programs not counted).
double ResidentMegabytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
  }
  return -1;
}

// Times how long a click on the list waits before the window takes it: a
// press and release are queued like the window system's, and the time runs
// until the release reaches the list.
class ClickProbe : public QObject {
 public:
  explicit ClickProbe(QWidget* target) : target_(target) { target->installEventFilter(this); }

  void click() {
    if (pending_) return;  // the previous click is still waiting
    const QPointF at(target_->width() / 2.0, 8);
    QCoreApplication::postEvent(target_, new QMouseEvent(QEvent::MouseButtonPress, at, target_->mapToGlobal(at),
                                                         Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(target_, new QMouseEvent(QEvent::MouseButtonRelease, at, target_->mapToGlobal(at),
                                                         Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    clock_.start();
    pending_ = true;
  }
  std::vector<double> waits;  // milliseconds

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease && pending_) {
      waits.push_back(clock_.nsecsElapsed() / 1e6);
      pending_ = false;
    }
    return false;
  }

 private:
  QWidget* target_;
  QElapsedTimer clock_;
  bool pending_ = false;
};

// --responsiveness [ROWS]: the window's memory with ROWS short clips in its
// list, then the wait of a click on the list every 40 ms for 8 s while the
// automatic number of encoders convert the list; the run is stopped after.
int TimeResponsiveness(int argc, char** argv) {
  const int rows = argc > 2 ? std::max(2, std::atoi(argv[2])) : 300;
  QTemporaryDir work;
  QDir(work.path()).mkpath("media");
  QDir(work.path()).mkpath("out");
  const QString out = work.filePath("out");
  QStringList paths;
  if (!orva::bench::MakeClips(work.filePath("media"), rows, 1, paths)) return 1;
  orva::WindowOptions options;
  options.programFolder = MakeProgramFolder(work);
  orva::WindowServices services = orva::DesktopServices();
  services.videoFolder = [out] { return out; };
  ZozDlg window(options, services);
  window.show();
  window.AddDroppedFiles(paths);
  if (orva::TheJobList().count() != rows) return 1;
  Wait([] { return false; }, 1000);  // the first job's preview settles
  std::printf("window's own memory with %d rows: %.1f MB\n", rows, ResidentMegabytes());

  window.ChooseConversionsAtOnce(0);
  window.OnConvert();
  ClickProbe probe(window.jobListView()->viewport());
  QTimer clicks;
  QObject::connect(&clicks, &QTimer::timeout, [&] { probe.click(); });
  clicks.start(40);
  QEventLoop running;  // the window's own loop, as a user's clicks meet it
  QTimer::singleShot(8000, &running, &QEventLoop::quit);
  running.exec();
  clicks.stop();
  const int lanes = window.lanes().laneCount();
  window.OnStopConvert();
  Wait([&] { return (window.uiState() & orva::kUiConverting) == 0; }, 60000);
  std::vector<double> waits = probe.waits;
  std::sort(waits.begin(), waits.end());
  if (waits.empty()) return 1;
  std::printf("click on the list while %d encoders run: median wait %.1f ms, 95th percentile %.1f ms, "
              "most %.1f ms (%zu clicks)\n", lanes, Median(waits), waits[waits.size() * 95 / 100], waits.back(),
              waits.size());
  std::printf("window's own memory after the run: %.1f MB\n", ResidentMegabytes());
  window.OnClear();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("ORVA_PLAYER_HEADLESS", "1");
  QApplication application(argc, argv);
  orva::SetUpCatalogue();
  orva::SetMessageDispatcher([] { QCoreApplication::processEvents(); });
  if (argc > 1 && std::strcmp(argv[1], "--batch") == 0) return TimeBatch(argc, argv);
  if (argc > 1 && std::strcmp(argv[1], "--responsiveness") == 0) return TimeResponsiveness(argc, argv);
  const int count = argc > 1 ? std::max(4, std::atoi(argv[1])) : 20;
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  QTemporaryDir work;
  QDir(work.path()).mkpath("media");
  QDir(work.path()).mkpath("out");
  const QString out = work.filePath("out");
  QStringList paths;
  if (!orva::bench::MakeClips(work.filePath("media"), count, 1, paths)) return 1;
  const std::string bin = orva::PlatformExecutableFolder();
  orva::WindowOptions options;
  options.programFolder = MakeProgramFolder(work);
  orva::WindowServices services = orva::DesktopServices();
  services.videoFolder = [out] { return out; };
  ZozDlg window(options, services);
  window.AddDroppedFiles(paths);
  if (orva::TheJobList().count() != count) return 1;

  std::printf("%d clips of 1 s, medians of %d rounds\n", count, rounds);
  for (int lanes : {1, 2}) {
    std::vector<double> click, whole, interval, stop, converter;
    for (int round = 0; round < rounds; ++round) {
      WindowRun run;
      EmptyFolder(out);
      if (!TimeWindowRun(window, lanes, run)) return 1;
      click.push_back(run.click);
      whole.push_back(run.whole);
      interval.push_back(run.launchInterval);
      stop.push_back(TimeStopPreview(window));
      EmptyFolder(out);
      const std::string converterProgram = bin + "/orva-convert";
      const double dryRun = TimeConverter(converterProgram, paths, out, lanes, "--dry-run");
      converter.push_back(TimeConverter(converterProgram, paths, out, lanes) - dryRun);
    }
    const double perJob = (Median(whole) - Median(converter)) / (count / static_cast<double>(lanes));
    std::printf("%d at once: window %.2f s, orva-convert less its dry run %.2f s, window's extra per job in a lane "
                "%.0f ms\n", lanes,
                Median(whole), Median(converter), perJob * 1000);
    std::printf("  click to first encoders %.0f ms (the preview's stop alone %.0f ms), launch to launch in a lane "
                "%.0f ms\n",
                Median(click) * 1000, Median(stop) * 1000, Median(interval) * 1000);
  }
  window.OnClear();
  return 0;
}
