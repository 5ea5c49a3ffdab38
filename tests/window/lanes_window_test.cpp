// Several jobs converting at once in the window, with the real encoder: the
// rows' own percentages, Stop, verdicts, output names, and the menu choice of
// how many convert at once.
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <set>

#include "app/data_files.h"
#include "app/gui/control_ids.h"
#include "app/job_rows.h"
#include "engine/process.h"
#include "controls/wx_static.h"
#include "media_clip.h"
#include "profiles/catalogue.h"
#include "window_fixture.h"

namespace orva::test {
namespace {

constexpr int kStatus = 3;

class LanesWindow : public WindowTest {
 protected:
  std::string ConversionsFile() const { return program_.file("conversions.dat"); }

  // Opens the window with `count` jobs converting at once.
  ZozDlg& OpenWindowConverting(int count) {
    WriteTextFile(ConversionsFile().c_str(), std::to_string(count));
    ZozDlg& window = OpenWindow();
    window.show();
    return window;
  }

  bool Converting() const { return (window_->uiState() & kUiConverting) != 0; }

  // Waits for the run to end, noting how many rows showed a percentage at
  // once at most, and which rows showed one at all.
  int MostRowsConvertingAtOnce(std::set<int>* rowsSeen = nullptr) {
    int most = 0;
    const bool ended = WaitUntil([&] {
      int now = 0;
      for (int row = 0; row < Rows(); ++row) {
        if (!Row(row, kStatus).ends_with('%')) continue;
        ++now;
        if (rowsSeen != nullptr) rowsSeen->insert(row);
      }
      most = std::max(most, now);
      return !Converting();
    }, 120000);
    EXPECT_TRUE(ended) << "the run never ended";
    return most;
  }

  // Waits until rows 0 and 1 both show some share written.
  bool BothFirstRowsConverting() {
    const auto started = [this](int row) { return Row(row, kStatus).ends_with('%') && Row(row, kStatus) != "00.00%"; };
    return WaitUntil([&] { return started(0) && started(1); }, 30000);
  }

  std::set<std::string> OutputNames() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(videos_.path())) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  // A right click on the window's body opens its menu; the keys take it to
  // "Conversions at once" and on to `choice` ("" leaves the menu by Esc).
  // Returns the choice that was checked when the menu opened.
  QString PickConversionsAtOnce(const QString& choice) {
    QString checked;
    bool picked = false;
    QTimer keys;
    keys.setInterval(20);
    QObject::connect(&keys, &QTimer::timeout, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) return;
      if (picked) return QTest::keyClick(menu, Qt::Key_Escape);
      const QList<QAction*> actions = menu->actions();
      const auto wanted = std::find_if(actions.begin(), actions.end(),
                                       [](QAction* a) { return a->text() == "Conversions at once"; });
      if (wanted != actions.end()) {  // the window's menu
        for (int key = 0; key < 5 && menu->activeAction() != *wanted; ++key) QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Right);
        return;
      }
      for (QAction* action : actions) {
        if (action->isChecked()) checked = action->text();
      }
      picked = true;
      if (choice.isEmpty()) return QTest::keyClick(menu, Qt::Key_Escape);
      const auto onChoice = [&] { return menu->activeAction() != nullptr && menu->activeAction()->text() == choice; };
      for (int key = 0; key < 10 && !onChoice(); ++key) QTest::keyClick(menu, Qt::Key_Down);
      QTest::keyClick(menu, Qt::Key_Return);
    });
    keys.start();
    // Through the window system, which turns the click into the menu's event.
    QTest::mouseClick(window_->windowHandle(), Qt::RightButton, {}, QPoint(300, 12));
    EXPECT_TRUE(picked) << "the menu of conversions at once never opened";
    return checked;
  }
};

TEST_F(LanesWindow, TheChoiceOfConversionsAtOnceSurvivesARestart) {
  OpenWindow().show();
  EXPECT_EQ(PickConversionsAtOnce("3"), "Automatic");
  EXPECT_EQ(ReadWholeFile(ConversionsFile().c_str()).value_or(""), "3");

  OpenWindow().show();
  EXPECT_EQ(PickConversionsAtOnce("Automatic"), "3");
  EXPECT_EQ(ReadWholeFile(ConversionsFile().c_str()).value_or(""), "auto");

  // A file this version did not write means Automatic.
  WriteTextFile(ConversionsFile().c_str(), "5");
  OpenWindow().show();
  EXPECT_EQ(PickConversionsAtOnce(""), "Automatic");
}

TEST_F(LanesWindow, OneAtATimeConvertsOneJobAfterTheOther) {
  ZozDlg& window = OpenWindowConverting(2);
  PickConversionsAtOnce("1");
  Drop({QString::fromStdString(Clip("a.mkv", 15)), QString::fromStdString(Clip("b.mkv", 15))});
  Click(IDC_CONVERT);
  ASSERT_TRUE(Converting());
  std::set<int> rowsSeen;
  EXPECT_EQ(MostRowsConvertingAtOnce(&rowsSeen), 1);
  EXPECT_EQ(rowsSeen, (std::set<int>{0, 1}));
  EXPECT_EQ(Row(0, kStatus), "Success!");
  EXPECT_EQ(Row(1, kStatus), "Success!");
  EXPECT_EQ(OutputNames(), (std::set<std::string>{"a.mp4", "b.mp4"}));
  EXPECT_EQ(window.lanes().laneCount(), 1);
}

// With the encoder poll put off for a day, the encoders' output and end
// alone carry the run: the second job starts when the first one's encoder
// ends.
TEST_F(LanesWindow, TheEncodersOutputCarriesTheRunFromJobToJob) {
  ZozDlg& window = OpenWindowConverting(1);
  window.setEncoderPollInterval(24 * 60 * 60 * 1000);
  Drop({QString::fromStdString(Clip("a.mkv", 2)), QString::fromStdString(Clip("b.mkv", 2))});
  Click(IDC_CONVERT);
  ASSERT_TRUE(Converting());
  EXPECT_EQ(MostRowsConvertingAtOnce(), 1);
  EXPECT_EQ(Row(0, kStatus), "Success!");
  EXPECT_EQ(Row(1, kStatus), "Success!");
  EXPECT_EQ(OutputNames(), (std::set<std::string>{"a.mp4", "b.mp4"}));
}

// Both rows show their own share while the bottom line sums up the batch.
TEST_F(LanesWindow, TwoRowsShowTheirPercentagesAtTheSameTime) {
  OpenWindowConverting(2);
  Drop({QString::fromStdString(Clip("a.mkv", 30)), QString::fromStdString(Clip("b.mkv", 30))});
  Click(IDC_CONVERT);
  ASSERT_TRUE(BothFirstRowsConverting());
  const QString summary = static_cast<CwxStatic*>(window_->control(IDC_STATUS_LINE))->text();
  EXPECT_TRUE(summary.startsWith("Completed:  ")) << summary.toStdString();
  EXPECT_TRUE(summary.endsWith("/2)")) << summary.toStdString();
  EXPECT_EQ(MostRowsConvertingAtOnce(), 2);
  EXPECT_EQ(Row(0, kStatus), "Success!");
  EXPECT_EQ(Row(1, kStatus), "Success!");
  EXPECT_EQ(OutputNames(), (std::set<std::string>{"a.mp4", "b.mp4"}));
  EXPECT_EQ(static_cast<CwxStatic*>(window_->control(IDC_FILE_NAME))->text(), "Finish");
}

TEST_F(LanesWindow, StopEndsBothRunningJobsWithTheirShortenedFilesAndStartsNoOther) {
  OpenWindowConverting(2);
  Drop({QString::fromStdString(Clip("a.mkv", 60)), QString::fromStdString(Clip("b.mkv", 60)),
        QString::fromStdString(Clip("c.mkv", 2))});
  Click(IDC_CONVERT);
  ASSERT_TRUE(BothFirstRowsConverting());
  Click(IDC_STOP_CONVERT);
  ASSERT_TRUE(WaitUntil([&] { return !Converting(); }, 30000));
  EXPECT_EQ(Row(0, kStatus), "Failed!");
  EXPECT_EQ(Row(1, kStatus), "Failed!");
  EXPECT_EQ(Row(2, kStatus), kRowReady);
  EXPECT_EQ(OutputNames(), (std::set<std::string>{"a.mp4", "b.mp4"}));
  for (const char* name : {"a.mp4", "b.mp4"}) {
    const double seconds = MediaDuration(videos_.file(name));
    EXPECT_GT(seconds, 0) << name;
    EXPECT_LT(seconds, 60 * 0.88) << name;
  }
}

// Closing asks once, then ends every encoder; none leaves a file behind.
TEST_F(LanesWindow, ClosingDuringARunEndsEveryEncoder) {
  OpenWindowConverting(2);
  Drop({QString::fromStdString(Clip("a.mkv", 60)), QString::fromStdString(Clip("b.mkv", 60))});
  Click(IDC_CONVERT);
  ASSERT_TRUE(BothFirstRowsConverting());
  const long first = window_->lanes().driver(0).encoderRunner().processId;
  const long second = window_->lanes().driver(1).encoderRunner().processId;
  desktop_->yesNoAnswers = {true};
  Click(IDC_CLOSE);
  EXPECT_FALSE(window_->isVisible());
  EXPECT_EQ(desktop_->questions.size(), 1u);
  EXPECT_FALSE(PlatformProcessExists(first));
  EXPECT_FALSE(PlatformProcessExists(second));
  EXPECT_EQ(OutputNames(), std::set<std::string>{});
}

// An audio profile: the source without sound fails, and says why, while
// the one beside it converts.
TEST_F(LanesWindow, AFailingJobBesideASucceedingOneKeepsItsOwnVerdict) {
  const Profile* mp3 = nullptr;
  for (int c = 0; c < kCategoryCount && mp3 == nullptr; ++c) {
    for (int s = 0; s < CategoryTable()[c].profileCount; ++s) {
      if (std::strcmp(CategoryTable()[c].profiles[s]->name, "MP3 - MPEG Layer-3 Audio") == 0) {
        mp3 = CategoryTable()[c].profiles[s];
      }
    }
  }
  ASSERT_NE(mp3, nullptr);
  WriteTextFile(program_.file("profile.dat").c_str(), std::to_string(profileMenuId(*mp3)));
  const std::string silent = media_.file("silent.mkv");
  ASSERT_TRUE(RunFfmpeg("-f lavfi -i testsrc=size=320x240:rate=25:duration=10 -c:v mpeg4 -q:v 8 " + silent));
  OpenWindowConverting(2);
  Drop({QString::fromStdString(Clip("song.mkv", 10)), QString::fromStdString(silent)});
  Click(IDC_CONVERT);
  ASSERT_TRUE(WaitUntil([&] { return !Converting(); }, 60000));
  EXPECT_EQ(Row(0, kStatus), "Success!");
  EXPECT_EQ(Row(1, kStatus), "Failed!");
  QTreeWidgetItem* failed = window_->jobListView()->topLevelItem(1);
  EXPECT_EQ(failed->toolTip(kStatus), "the source has no audio stream to convert");
  EXPECT_EQ(window_->jobListView()->topLevelItem(0)->toolTip(kStatus), "");
  EXPECT_EQ(OutputNames(), (std::set<std::string>{"song.mp3"}));
}

TEST_F(LanesWindow, TwoSourcesWantingOneNameGetTwoNames) {
  OpenWindowConverting(2);
  Drop({QString::fromStdString(Clip("same.mkv", 3)), QString::fromStdString(Clip("same.mkv", 6, &player_))});
  Click(IDC_CONVERT);
  ASSERT_TRUE(WaitUntil([&] { return !Converting(); }, 60000));
  EXPECT_EQ(Row(0, kStatus), "Success!");
  EXPECT_EQ(Row(1, kStatus), "Success!");
  EXPECT_EQ(OutputNames(), (std::set<std::string>{"same.mp4", "same(0).mp4"}));
  EXPECT_NEAR(MediaDuration(videos_.file("same.mp4")), 3.0, 0.3);
  EXPECT_NEAR(MediaDuration(videos_.file("same(0).mp4")), 6.0, 0.3);
}

}  // namespace
}  // namespace orva::test
