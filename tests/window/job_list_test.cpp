// The job list in the window: adding, rows, delete, clear, the whole road.
#include <QCoreApplication>
#include <QTreeWidget>
#include <filesystem>

#include "app/gui/control_ids.h"
#include "controls/wx_static.h"
#include "app/job_item.h"
#include "media_clip.h"
#include "window_fixture.h"

namespace orva::test {
namespace {

using JobListWindow = WindowTest;

TEST_F(JobListWindow, FilesFromTheDialogAppearInItsOrderEachReady) {
  ZozDlg& window = OpenWindow();
  desktop_->fileAnswers = {{QString::fromStdString(Clip("b.mp4", 2)), QString::fromStdString(Clip("a.mkv", 1)),
                            QString::fromStdString(Clip("c.avi", 3))}};
  Click(IDC_ADD_FILE);
  ASSERT_EQ(Rows(), 3);
  EXPECT_EQ(Row(0, 0), "b");
  EXPECT_EQ(Row(1, 0), "a");
  EXPECT_EQ(Row(2, 0), "c");
  EXPECT_EQ(Row(0, 1), "00:00:02.00");
  EXPECT_EQ(Row(2, 3), "Ready");
  EXPECT_NE(Row(0, 2), "");
  EXPECT_FALSE(window.jobListView()->isHidden());
  // The first new job is the current one, selected.
  ASSERT_NE(window.currentJob(), nullptr);
  EXPECT_STREQ(window.currentJob()->name, "b");
  EXPECT_TRUE(window.jobListView()->topLevelItem(0)->isSelected());
  // Every job converts into the destination.
  EXPECT_EQ(std::string(TheJobList().at(2)->out_dir), videos_.path());

  // A second add makes its first file the current job.
  Drop({QString::fromStdString(Clip("d.mp4", 1))});
  ASSERT_EQ(Rows(), 4);
  EXPECT_STREQ(window.currentJob()->name, "d");
  EXPECT_FALSE(window.jobListView()->topLevelItem(0)->isSelected());
}

TEST_F(JobListWindow, DroppedFilesMayComeFromSeveralFolders) {
  OpenWindow();
  ScratchFolder other;
  Drop({QString::fromStdString(Clip("one.mp4", 1)), QString::fromStdString(Clip("two.mp4", 1, &other))});
  ASSERT_EQ(Rows(), 2);
  EXPECT_EQ(std::string(TheJobList().at(1)->dir), other.path() + "/");
}

TEST_F(JobListWindow, FilesWithoutADurationAddNothingAndSayNothing) {
  ZozDlg& window = OpenWindow();
  media_.touch("notes.txt");
  ASSERT_TRUE(RunFfmpeg("-f lavfi -i color=c=red:size=32x32 -frames:v 1 " + media_.file("still.png")));
  Drop({QString::fromStdString(media_.file("notes.txt")),
        QString::fromStdString(media_.file("still.png"))});
  EXPECT_EQ(Rows(), 0);
  EXPECT_TRUE(window.jobListView()->isHidden());
  EXPECT_TRUE(desktop_->questions.empty());
  EXPECT_EQ(window.currentJob(), nullptr);
}

TEST_F(JobListWindow, FilesWhosePathsCannotBePassedOnAreNamedInOneMessage) {
  OpenWindow();
  const std::string clip = Clip("plain.mp4", 1);
  const std::string quoted = media_.file("say \"hi\".mp4");
  const std::string deepFolder = media_.file(std::string(200, 'd'));
  const std::string deep = deepFolder + "/" + std::string(60, 'f') + ".mp4";
  std::filesystem::create_directories(deepFolder);
  std::filesystem::copy_file(clip, quoted);
  std::filesystem::copy_file(clip, deep);
  media_.touch("notes.txt");
  Drop({QString::fromStdString(clip), QString::fromStdString(quoted), QString::fromStdString(deep),
        QString::fromStdString(media_.file("notes.txt"))});
  EXPECT_EQ(Rows(), 2);
  ASSERT_EQ(desktop_->questions.size(), 1u);
  const QString message = desktop_->questions[0];
  EXPECT_EQ(message, QString::fromStdString("Add Files|These files were not added:\n" + deep +
                                            "\n    the path is 260 bytes or longer"));
}

// Quotes and backslashes are ordinary in names here: such a file is
// measured, previewed and converted like any other.
TEST_F(JobListWindow, ANameHoldingQuotesAndBackslashesIsPreviewedAndConverted) {
  UsePlayer("");
  ZozDlg& window = OpenWindow();
  const std::string quoted = Clip(R"(say "hi" \"ü\" \.mkv)", 2);
  Drop({QString::fromStdString(quoted)});
  ASSERT_EQ(Rows(), 1);
  EXPECT_EQ(Row(0, 0), R"(say "hi" \"ü\" \)");
  EXPECT_TRUE(Row(0, 1).starts_with("00:00:02.")) << Row(0, 1);
  EXPECT_TRUE(desktop_->questions.empty());
  // The first new job is loaded into the preview: the player got the name whole.
  EXPECT_TRUE(WaitUntil([&] { return PlayerRecord("args").ends_with("\n" + quoted + "\n"); }, 10000))
      << PlayerRecord("args");

  Click(IDC_CONVERT);
  EXPECT_TRUE(WaitUntil([&] { return (window.uiState() & kUiConverting) == 0; }, 60000));
  EXPECT_EQ(Row(0, 3), "Success!");
  EXPECT_NEAR(MediaDuration(videos_.file(R"(say "hi" \"ü\" \.mp4)")), 2.0, 0.3);
}

TEST_F(JobListWindow, OversizedDropIsIgnoredWhole) {
  OpenWindow();
  QStringList many;
  const QString clip = QString::fromStdString(Clip("a.mp4", 1));
  for (int i = 0; i < 1024; ++i) many << clip;
  Drop(many);
  EXPECT_EQ(Rows(), 0);
}

// The hint to drop files stands in for the list while it is empty; once
// rows cover it, it is hidden, not only covered, whichever way the list
// empties again.
TEST_F(JobListWindow, TheDropHintShowsExactlyWhileTheListIsEmpty) {
  ZozDlg& window = OpenWindow();
  window.show();
  const auto hintShown = [&window] {
    const bool first = window.control(IDC_DROP_HINT)->isVisible();
    EXPECT_EQ(window.control(IDC_DROP_HINT_MORE)->isVisible(), first);
    return first;
  };
  EXPECT_TRUE(hintShown());
  const QString clip = QString::fromStdString(Clip("a.mp4", 1));
  Drop({clip, clip});
  ASSERT_EQ(Rows(), 2);
  EXPECT_FALSE(hintShown());

  window.jobListView()->clearSelection();
  window.jobListView()->topLevelItem(0)->setSelected(true);
  Click(IDC_DELETE);
  EXPECT_FALSE(hintShown());
  window.jobListView()->topLevelItem(0)->setSelected(true);
  Click(IDC_DELETE);
  EXPECT_EQ(Rows(), 0);
  EXPECT_TRUE(hintShown());

  Drop({clip});
  EXPECT_FALSE(hintShown());
  Click(IDC_CLEAR);
  EXPECT_TRUE(hintShown());
}

TEST_F(JobListWindow, TrimmedRowShowsItsRangeAndLength) {
  ZozDlg& window = OpenWindow();
  Drop({QString::fromStdString(Clip("clip.mp4", 30))});
  JobItem& job = *TheJobList().at(0);
  const std::string fullSize = Row(0, 2);
  job.trim_begin = 10;
  job.trim_end = 20;
  window.RefreshAllRows();
  EXPECT_EQ(Row(0, 0), "clip[00:00:10.00 - 00:00:20.00]");
  EXPECT_EQ(Row(0, 1), "00:00:10.00");
  EXPECT_NE(Row(0, 2), fullSize);
}

TEST_F(JobListWindow, DeletingRowsOneAndThreeOfFiveKeepsTheRestInOrder) {
  ZozDlg& window = OpenWindow();
  QStringList files;
  for (const char* name : {"r0", "r1", "r2", "r3", "r4"}) {
    files << QString::fromStdString(Clip(std::string(name) + ".mp4", 1));
  }
  Drop(files);
  ASSERT_EQ(Rows(), 5);
  window.jobListView()->clearSelection();
  window.jobListView()->topLevelItem(1)->setSelected(true);
  window.jobListView()->topLevelItem(3)->setSelected(true);
  Click(IDC_DELETE);
  ASSERT_EQ(Rows(), 3);
  EXPECT_EQ(Row(0, 0), "r0");
  EXPECT_EQ(Row(1, 0), "r2");
  EXPECT_EQ(Row(2, 0), "r4");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(TheJobList().at(i)->index, i);
  EXPECT_STREQ(TheJobList().at(1)->name, "r2");

  Click(IDC_CLEAR);
  EXPECT_EQ(Rows(), 0);
  EXPECT_EQ(TheJobList().count(), 0);
  EXPECT_EQ(window.currentJob(), nullptr);
  EXPECT_TRUE(window.jobListView()->isHidden());
}

TEST_F(JobListWindow, RowClicksChooseTheCurrentJob) {
  ZozDlg& window = OpenWindow();
  Drop({QString::fromStdString(Clip("a.mp4", 1)), QString::fromStdString(Clip("b.mp4", 1))});
  ClickRow(1);
  EXPECT_STREQ(window.currentJob()->name, "b");
  ClickRow(-1);
  EXPECT_STREQ(window.currentJob()->name, "b");
}

// The whole road: two files, Convert, two playable outputs.
TEST_F(JobListWindow, ConvertsEveryRowIntoTheDestination) {
  ZozDlg& window = OpenWindow();
  Drop({QString::fromStdString(Clip("first.mkv", 2)),
        QString::fromStdString(Clip("second.mkv", 2))});
  ASSERT_EQ(Rows(), 2);
  Click(IDC_CONVERT);
  EXPECT_TRUE(WaitUntil([&] { return (window.uiState() & kUiConverting) == 0; }, 60000));
  EXPECT_EQ(Row(0, 3), "Success!");
  EXPECT_EQ(Row(1, 3), "Success!");
  EXPECT_TRUE(std::filesystem::exists(videos_.file("first.mp4")));
  EXPECT_TRUE(std::filesystem::exists(videos_.file("second.mp4")));
  EXPECT_EQ(static_cast<CwxStatic*>(window.control(IDC_FILE_NAME))->text(), "Finish");
  EXPECT_EQ(window.jobListView()->topLevelItem(0)->toolTip(3), "");
}

TEST_F(JobListWindow, AFailedJobSaysWhyInItsStatusTooltip) {
  ZozDlg& window = OpenWindow();
  Drop({QString::fromStdString(Clip("a.mkv", 1))});
  std::filesystem::remove(program_.file("cv.dat"));
  Click(IDC_CONVERT);
  EXPECT_TRUE(WaitUntil([&] { return (window.uiState() & kUiConverting) == 0; }, 10000));
  EXPECT_EQ(Row(0, 3), "FATAL!");
  EXPECT_FALSE(window.jobListView()->topLevelItem(0)->toolTip(3).isEmpty());
}

}  // namespace
}  // namespace orva::test
