// What a conversion could not keep of a source shows in its row's status
// tooltip, under a success.
#include <QTreeWidget>

#include "app/gui/control_ids.h"
#include "media_clip.h"
#include "window_fixture.h"

namespace orva::test {
namespace {

using KeptNoteWindow = WindowTest;

TEST_F(KeptNoteWindow, ASuccessSaysInItsTooltipWhatTheOutputCouldNotKeep) {
  ZozDlg& window = OpenWindow();
  // Two languages; the window's device profile keeps one.
  const std::string film = media_.file("two languages.mkv");
  ASSERT_TRUE(RunFfmpeg("-f lavfi -i testsrc=size=160x120:duration=1 -f lavfi -i sine=duration=1 "
                        "-f lavfi -i sine=f=660:duration=1 -map 0 -map 1 -map 2 -c:v mpeg4 -c:a aac " +
                        ShellQuoted(film)));
  Drop({QString::fromStdString(film), QString::fromStdString(Clip("plain.mkv", 1))});
  ASSERT_EQ(Rows(), 2);
  Click(IDC_CONVERT);
  EXPECT_TRUE(WaitUntil([&] { return (window.uiState() & kUiConverting) == 0; }, 60000));
  EXPECT_EQ(Row(0, 3), "Success!");
  EXPECT_EQ(window.jobListView()->topLevelItem(0)->toolTip(3),
            "not kept: 1 more audio track (this profile keeps one)");
  EXPECT_EQ(Row(1, 3), "Success!");
  EXPECT_EQ(window.jobListView()->topLevelItem(1)->toolTip(3), "");
}

}  // namespace
}  // namespace orva::test
