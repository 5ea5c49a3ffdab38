// The window's add path over one batch probe program: its rows against
// ffprobe's, a probe that dies on one file, and Esc during a large add.
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "app/gui/zoz_dlg.h"
#include "app/job_rows.h"
#include "engine/media_probe.h"
#include "engine/source_facts.h"
#include "media_clip.h"
#include "running_processes.h"
#include "window_fixture.h"

namespace orva::test {
namespace {

using AddProbeWindow = WindowTest;

TEST_F(AddProbeWindow, RowsAreThoseFfprobeGivesForEveryKindOfSource) {
  OpenWindow();
  const std::string twoTongues = media_.file("two tongues.mkv");
  const std::string song = media_.file("song.mp3");
  ASSERT_TRUE(RunFfmpeg("-f lavfi -i testsrc=size=176x144:rate=15:duration=2 -f lavfi -i sine=duration=2 "
                        "-f lavfi -i sine=f=880:duration=1 -map 0 -map 1 -map 2 -c:v mpeg4 -c:a:0 aac "
                        "-c:a:1 mp2 " + ShellQuoted(twoTongues)));
  ASSERT_TRUE(RunFfmpeg("-f lavfi -i sine=duration=2.5 -c:a libmp3lame " + ShellQuoted(song)));
  const std::vector<std::string> files = {Clip("clip.mp4", 1.5), twoTongues, song, Clip("short.avi", 0.4)};
  QStringList dropped;
  for (const std::string& file : files) dropped << QString::fromStdString(file);
  Drop(dropped);

  ASSERT_EQ(Rows(), static_cast<int>(files.size()));
  for (int row = 0; row < Rows(); ++row) {
    SCOPED_TRACE(files[row]);
    int result = -1;
    std::unique_ptr<JobItem> theirs(MeasureFile(files[row].c_str(), ORVA_PROBE, result));
    ASSERT_NE(theirs, nullptr);
    RefreshJob(*theirs, currentProfile);
    EXPECT_EQ(Row(row, 0), JobRowName(*theirs));
    EXPECT_EQ(Row(row, 1), JobRowDuration(*theirs));
    EXPECT_EQ(Row(row, 2), theirs->size_text);
    const JobItem& ours = *TheJobList().at(row);
    EXPECT_DOUBLE_EQ(ours.duration, theirs->duration);
    EXPECT_EQ(ours.width, theirs->width);
    EXPECT_EQ(ours.height, theirs->height);
    EXPECT_EQ(ours.audio_streams, theirs->audio_streams);
    EXPECT_EQ(SourceFactsWord(ours.source_facts), SourceFactsWord(theirs->source_facts));
  }
}

TEST_F(AddProbeWindow, AProbeThatDiesOnOneFileCostsThatFileAlone) {
  const std::string log = user_.file("probe-starts");
  setenv("ORVA_TEST_START_LOG", log.c_str(), 1);
  std::filesystem::remove(program_.file("orva-probe"));
  std::filesystem::create_symlink(ORVA_ANSWERING_PROBE, program_.file("orva-probe"));
  OpenWindow();
  QStringList files;
  for (const char* name : {"first.mp4", "broken.crash", "third.mp4"}) {
    std::ofstream(media_.file(name)) << "media";
    files << QString::fromStdString(media_.file(name));
  }
  Drop(files);
  unsetenv("ORVA_TEST_START_LOG");

  ASSERT_EQ(Rows(), 2);
  EXPECT_EQ(Row(0, 0), "first");
  EXPECT_EQ(Row(1, 0), "third");
  EXPECT_EQ(Row(1, 1), "00:00:05.00");
  std::ifstream starts(log);
  int count = 0;
  for (std::string line; std::getline(starts, line);) ++count;
  EXPECT_EQ(count, 2);  // one program for the add, one more after the crash
  EXPECT_FALSE(ProcessMentions(program_.file("orva-probe")));
}

// 300 files, and a file still being copied (a named pipe) half-way down the
// list, which holds the probe for as long as it is copied: Esc, pressed
// while the wait box shows, lands in the middle of the add.
TEST_F(AddProbeWindow, EscInTheWaitBoxGivesUpTheFilesNotYetMeasured) {
  OpenWindow();
  const std::string clip = Clip("clip.mp4", 1);
  QStringList files;
  for (int i = 0; i < 300; ++i) {
    const std::string name = media_.file("clip" + std::to_string(1000 + i) + ".mp4");
    if (i == 150) {
      ASSERT_EQ(mkfifo(name.c_str(), 0600), 0);
    } else {
      std::filesystem::create_symlink(clip, name);
    }
    files << QString::fromStdString(name);
  }

  bool pressed = false;
  QTimer watch;
  watch.setInterval(20);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (pressed || box == nullptr || !box->isVisible() || Rows() == 0) return;
    pressed = true;
    QTest::keyClick(box, Qt::Key_Escape);
  });
  watch.start();
  Drop(files);
  watch.stop();

  ASSERT_TRUE(pressed) << "the wait box never showed a row coming in";
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  ASSERT_GE(Rows(), 1);
  EXPECT_LE(Rows(), 150);
  // The rows that came are the first files, whole and in their order.
  for (int row = 0; row < Rows(); ++row) EXPECT_EQ(Row(row, 0), "clip" + std::to_string(1000 + row));
  EXPECT_EQ(Row(0, 1), "00:00:01.00");
  EXPECT_FALSE(ProcessMentions(program_.file("orva-probe")));
}

}  // namespace
}  // namespace orva::test
