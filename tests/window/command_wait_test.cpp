// Clicks that arrive while a command waits for the preview player to end:
// they run after that command, on the state it left, never inside it.
#include <QTreeWidget>
#include <filesystem>

#include "app/gui/control_ids.h"
#include "app/job_item.h"
#include "window_fixture.h"

namespace orva::test {
namespace {

class CommandWait : public WindowTest {
 protected:
  // A player slow to end: each stop waits a good while for it.
  CommandWait() { UsePlayer("linger:400"); }

  ZozDlg& WindowWith(const std::vector<std::string>& names) {
    ZozDlg& window = OpenWindow();
    window.show();
    QStringList files;
    for (const std::string& name : names) files << QString::fromStdString(Clip(name + ".mkv", 1));
    Drop(files);
    EXPECT_EQ(Rows(), static_cast<int>(names.size()));
    // The first file's preview starts once the list is filled: on a busy
    // machine its player may take a moment.
    EXPECT_TRUE(WaitUntil([&] { return window.preview().loaded(); }, 10000));
    return window;
  }

  bool ConversionEnds(ZozDlg& window) {
    return WaitUntil([&] { return (window.uiState() & kUiConverting) == 0; }, 60000);
  }

  // The clicks came while the first player still ran.
  bool clickedDuringStop_ = false;
};

TEST_F(CommandWait, ClearDeleteAndRowClickDuringConvertsStopLeaveTheJobsToTheRun) {
  ZozDlg& window = WindowWith({"a", "b"});
  DuringPlayerStop([&] {
    clickedDuringStop_ = window.preview().loaded();
    Click(IDC_CLEAR);
    Click(IDC_DELETE);
    ClickRow(1);
  });
  Click(IDC_CONVERT);
  EXPECT_TRUE(clickedDuringStop_);
  ASSERT_TRUE(ConversionEnds(window));
  ASSERT_EQ(Rows(), 2);
  EXPECT_EQ(TheJobList().count(), 2);
  EXPECT_EQ(Row(0, 3), "Success!");
  EXPECT_EQ(Row(1, 3), "Success!");
  EXPECT_TRUE(std::filesystem::exists(videos_.file("a.mp4")));
  EXPECT_TRUE(std::filesystem::exists(videos_.file("b.mp4")));
  // The row click came after Convert: it chose the job and left the player off.
  ASSERT_NE(window.currentJob(), nullptr);
  EXPECT_STREQ(window.currentJob()->name, "b");
}

TEST_F(CommandWait, ConvertAndRowClickDuringDeletesStopComeAfterTheDelete) {
  ZozDlg& window = WindowWith({"a", "b", "c"});  // a is selected and previewed
  DuringPlayerStop([&] {
    clickedDuringStop_ = window.preview().loaded();
    ClickRow(2);
    Click(IDC_CONVERT);
  });
  Click(IDC_DELETE);
  EXPECT_TRUE(clickedDuringStop_);
  // The row selected when Delete was clicked went, not the one clicked after.
  ASSERT_TRUE(ConversionEnds(window));
  ASSERT_EQ(Rows(), 2);
  EXPECT_EQ(Row(0, 0), "b");
  EXPECT_EQ(Row(1, 0), "c");
  EXPECT_EQ(Row(0, 3), "Success!");
  EXPECT_EQ(Row(1, 3), "Success!");
  EXPECT_FALSE(std::filesystem::exists(videos_.file("a.mp4")));
}

TEST_F(CommandWait, RowClickDuringClearsStopStartsNoPreviewOfAClearedJob) {
  ZozDlg& window = WindowWith({"a", "b"});
  DuringPlayerStop([&] {
    clickedDuringStop_ = window.preview().loaded();
    ClickRow(1);
  });
  Click(IDC_CLEAR);
  EXPECT_TRUE(clickedDuringStop_);
  EXPECT_EQ(Rows(), 0);
  EXPECT_EQ(TheJobList().count(), 0);
  EXPECT_EQ(window.currentJob(), nullptr);
  EXPECT_FALSE(window.preview().loaded());
}

TEST_F(CommandWait, DeleteDuringTheStepAfterAnAddComesAfterTheNewJobIsLoaded) {
  ZozDlg& window = WindowWith({"a"});
  DuringPlayerStop([&] {
    clickedDuringStop_ = window.preview().loaded();
    Click(IDC_DELETE);
  });
  Drop({QString::fromStdString(Clip("b.mkv", 1))});
  EXPECT_TRUE(clickedDuringStop_);
  // The new row was selected by the add: Delete took it, and its preview.
  ASSERT_EQ(Rows(), 1);
  EXPECT_EQ(Row(0, 0), "a");
  EXPECT_EQ(TheJobList().count(), 1);
  EXPECT_EQ(window.currentJob(), nullptr);
  EXPECT_FALSE(window.preview().loaded());
}

}  // namespace
}  // namespace orva::test
