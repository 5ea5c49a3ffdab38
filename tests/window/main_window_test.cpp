// The main window: layout, state routine, destination, close question.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QTest>
#include <QBitmap>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QComboBox>
#include <QTreeWidget>
#include <filesystem>
#include <thread>

#include "app/data_files.h"
#include "app/gui/control_ids.h"
#include "controls/wx_static.h"
#include "app/gui/layout_table.h"
#include "controls/bitmap_slider.h"
#include "engine/process.h"
#include "media_clip.h"
#include "window_fixture.h"

namespace orva::test {
namespace {

using MainWindow = WindowTest;

bool Shown(ZozDlg& window, int id) { return !window.control(id)->isHidden(); }

TEST_F(MainWindow, EveryControlSitsWhereTheLayoutTablePutsIt) {
  ZozDlg& window = OpenWindow();
  EXPECT_EQ(window.size(), QSize(770, 550));
  for (const ControlPlace& place : LayoutTable) {
    ASSERT_NE(window.control(place.id), nullptr) << place.id;
    EXPECT_EQ(window.control(place.id)->geometry(), QRect(place.x, place.y, place.width, place.height))
        << "control " << place.id;
  }
  // The key-coloured corners are cut out of the window's shape.
  const QRegion shape = window.mask();
  EXPECT_FALSE(shape.contains(QPoint(0, 0)));
  EXPECT_FALSE(shape.contains(QPoint(769, 549)));
  EXPECT_TRUE(shape.contains(QPoint(385, 275)));
  EXPECT_TRUE(shape.contains(QPoint(10, 0)));
}

TEST_F(MainWindow, StartsIdleWithTheStartControlsShown) {
  ZozDlg& window = OpenWindow();
  EXPECT_EQ(window.uiState(), 0);
  for (int id : {IDC_ADD_FILE, IDC_CONVERT, IDC_PLAY, IDC_STOP_PLAY, IDC_PREVIEW, IDC_TRIM_BEGIN}) {
    EXPECT_TRUE(Shown(window, id)) << id;
  }
  for (int id : {IDC_STOP_CONVERT, IDC_PAUSE, IDC_JOB_LIST, IDC_PROGRESS, IDC_FILE_NAME, IDC_HOME_LINK}) {
    EXPECT_FALSE(Shown(window, id)) << id;
  }
  EXPECT_FALSE(window.control(IDC_SEEK_SLIDER)->isEnabled());
  EXPECT_FALSE(window.control(IDC_VOLUME_SLIDER)->isEnabled());
}

TEST_F(MainWindow, StateRoutineShowsWhatEachBitNeeds) {
  ZozDlg& window = OpenWindow();
  window.SetUiState(kUiConverting, true);
  EXPECT_TRUE(Shown(window, IDC_PROGRESS));
  EXPECT_TRUE(Shown(window, IDC_STOP_CONVERT));
  EXPECT_FALSE(Shown(window, IDC_CONVERT));
  window.setSummary("Completed:  50.00%    (1/2)");
  EXPECT_EQ(static_cast<CwxStatic*>(window.control(IDC_STATUS_LINE))->text(), "Completed:  50.00%    (1/2)");
  window.SetUiState(kUiConverting, false);
  EXPECT_FALSE(Shown(window, IDC_PROGRESS));
  EXPECT_TRUE(Shown(window, IDC_CONVERT));
  EXPECT_FALSE(Shown(window, IDC_STOP_CONVERT));
  EXPECT_EQ(static_cast<CwxStatic*>(window.control(IDC_STATUS_LINE))->text(), "");

  window.SetUiState(kUiPreviewLoaded, true);
  EXPECT_TRUE(window.control(IDC_SEEK_SLIDER)->isEnabled());
  EXPECT_EQ(static_cast<CBitmapSlider*>(window.control(IDC_VOLUME_SLIDER))->GetPos(), 256);
  window.SetUiState(kUiPreviewPlaying, true);
  EXPECT_TRUE(Shown(window, IDC_PAUSE));
  EXPECT_FALSE(Shown(window, IDC_PLAY));
  window.SetUiState(kUiPreviewPlaying, false);
  EXPECT_TRUE(Shown(window, IDC_PLAY));
  EXPECT_FALSE(Shown(window, IDC_PAUSE));
  window.SetUiState(kUiPreviewPlaying, true);
  window.SetUiState(kUiPreviewLoaded, false);
  EXPECT_TRUE(Shown(window, IDC_PLAY));
  EXPECT_FALSE(Shown(window, IDC_PAUSE));
  EXPECT_FALSE(window.control(IDC_VOLUME_SLIDER)->isEnabled());
  EXPECT_EQ(static_cast<CBitmapSlider*>(window.control(IDC_VOLUME_SLIDER))->GetPos(), 0);
}

TEST_F(MainWindow, DestinationStartsOnTheVideoFolderWithoutASavedOne) {
  ZozDlg& window = OpenWindow();
  EXPECT_EQ(window.destinationCombo()->count(), 3);
  EXPECT_EQ(window.destinationCombo()->itemText(0), "Browse...");
  EXPECT_EQ(window.destinationCombo()->itemText(1), "Save in the same folder as the original file");
  EXPECT_EQ(window.destinationCombo()->currentIndex(), 2);
  EXPECT_EQ(window.outputFolder(), videos_.path());
  EXPECT_FALSE(std::filesystem::exists(program_.file("outpath.dat")));
}

TEST_F(MainWindow, SavedFolderThatIsGoneFallsBackToTheVideoFolder) {
  WriteTextFile(program_.file("outpath.dat").c_str(), media_.file("deleted"));
  EXPECT_EQ(OpenWindow().outputFolder(), videos_.path());
  WriteTextFile(program_.file("outpath.dat").c_str(), "/proc");
  EXPECT_EQ(OpenWindow().outputFolder(), videos_.path());
}

TEST_F(MainWindow, BrowseCancelledChangesNothing) {
  ZozDlg& window = OpenWindow();
  Click(IDC_BROWSE);
  EXPECT_EQ(desktop_->folderDialogs, 1);
  EXPECT_EQ(window.outputFolder(), videos_.path());
  EXPECT_EQ(window.destinationCombo()->count(), 3);
  EXPECT_FALSE(std::filesystem::exists(program_.file("outpath.dat")));
}

TEST_F(MainWindow, BrowsingToAListedFolderSelectsItsEntry) {
  ZozDlg& window = OpenWindow();
  desktop_->folderAnswers = {QString::fromStdString(media_.path()), QString::fromStdString(videos_.path() + "/")};
  Click(IDC_BROWSE);
  EXPECT_EQ(window.destinationCombo()->count(), 4);
  EXPECT_EQ(window.destinationCombo()->currentIndex(), 3);
  EXPECT_EQ(window.outputFolder(), media_.path());
  EXPECT_EQ(ReadWholeFile(program_.file("outpath.dat").c_str()).value_or(""), media_.path());

  Click(IDC_BROWSE);  // the video folder again, with a trailing separator
  EXPECT_EQ(window.destinationCombo()->count(), 4);
  EXPECT_EQ(window.destinationCombo()->currentIndex(), 2);
  EXPECT_EQ(window.outputFolder(), videos_.path());
}

TEST_F(MainWindow, SameFolderChoiceIsNotSavedSoARestartRestoresThePickedFolder) {
  ZozDlg& window = OpenWindow();
  desktop_->folderAnswers = {QString::fromStdString(media_.path())};
  Click(IDC_BROWSE);
  window.destinationCombo()->setCurrentIndex(1);
  EXPECT_EQ(window.outputFolder(), "");

  ZozDlg& restarted = OpenWindow();
  EXPECT_EQ(restarted.outputFolder(), media_.path());
  EXPECT_EQ(restarted.destinationCombo()->currentText().toStdString(), media_.path());
}

// "Browse..." chosen in the open list, with the keyboard and with the mouse.
TEST_F(MainWindow, ChoosingBrowseInTheListAsksForAFolder) {
  ZozDlg& window = OpenWindow();
  window.show();
  QComboBox* combo = window.destinationCombo();
  const auto openList = [&] {
    QTest::mouseClick(combo, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return combo->view()->isVisible(); }, 2000));
  };

  // Cancelled: the current destination stays selected.
  openList();
  QTest::keyClick(combo->view(), Qt::Key_Home);
  QTest::keyClick(combo->view(), Qt::Key_Return);
  EXPECT_TRUE(WaitUntil([&] { return desktop_->folderDialogs == 1; }, 2000));
  EXPECT_EQ(combo->currentIndex(), 2);
  EXPECT_EQ(window.outputFolder(), videos_.path());

  desktop_->folderAnswers = {QString::fromStdString(media_.path())};
  openList();
  // The list ignores the release of the click that opened it for a moment.
  WaitUntil([] { return false; }, QApplication::doubleClickInterval() + 100);
  QAbstractItemView* list = combo->view();
  const QPoint browse = list->visualRect(combo->model()->index(0, 0)).center();
  QTest::mouseMove(list->viewport(), browse);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, browse);
  EXPECT_TRUE(WaitUntil([&] { return desktop_->folderDialogs == 2; }, 2000));
  EXPECT_EQ(combo->currentText().toStdString(), media_.path());
  EXPECT_EQ(window.outputFolder(), media_.path());
  EXPECT_EQ(ReadWholeFile(program_.file("outpath.dat").c_str()).value_or(""), media_.path());
}

TEST_F(MainWindow, HomeAndHelpShowOnlyWithAPageToOpen) {
  qputenv("ORVA_HOME_URL", "");
  qputenv("ORVA_PRODUCT_URL", "");
  ZozDlg& window = OpenWindow();
  window.show();
  // The words written on the buttons go with them.
  for (int id : {IDC_HOME, IDC_HELP, IDC_CAPTION_HOME, IDC_CAPTION_HELP}) {
    EXPECT_FALSE(window.control(id)->isVisible()) << id;
  }

  // One page alone brings back its own button and word only.
  qputenv("ORVA_HOME_URL", "https://home.example/");
  OpenWindow().show();
  EXPECT_TRUE(window_->control(IDC_CAPTION_HOME)->isVisible());
  EXPECT_FALSE(window_->control(IDC_CAPTION_HELP)->isVisible());
  EXPECT_FALSE(window_->control(IDC_HELP)->isVisible());

  qputenv("ORVA_PRODUCT_URL", "https://product.example/");
  OpenWindow().show();
  for (int id : {IDC_HOME, IDC_HELP, IDC_CAPTION_HOME, IDC_CAPTION_HELP}) {
    EXPECT_TRUE(window_->control(id)->isVisible()) << id;
  }
  Click(IDC_HOME);
  Click(IDC_HELP);
  qunsetenv("ORVA_HOME_URL");
  qunsetenv("ORVA_PRODUCT_URL");
  ASSERT_EQ(desktop_->openedUrls.size(), 2u);
  EXPECT_EQ(desktop_->openedUrls[0].toString(), "https://home.example/");
  EXPECT_EQ(desktop_->openedUrls[1].toString(), "https://product.example/");
}

TEST_F(MainWindow, ButtonsAnswerTheKeyboard) {
  ZozDlg& window = OpenWindow();
  window.show();
  auto* open = static_cast<QAbstractButton*>(window.control(IDC_OPEN_FOLDER));
  open->setFocus();
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(open, &enter);
  QKeyEvent enterUp(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(open, &enterUp);
  ASSERT_EQ(desktop_->openedUrls.size(), 1u);
  EXPECT_EQ(desktop_->openedUrls[0], QUrl::fromLocalFile(QString::fromStdString(videos_.path())));
  EXPECT_EQ(open->accessibleName(), "Open Folder");
}

// A conversion long enough to be running when the window is closed.
class ClosingWhileConverting : public WindowTest {
 protected:
  void StartLongConversion() {
    const std::string clip = media_.file("long.mkv");
    ASSERT_TRUE(RunFfmpeg("-f lavfi -i testsrc=size=320x240:rate=25:duration=120 -c:v mpeg4 -q:v 8 " + clip));
    ZozDlg& window = OpenWindow();
    window.AddDroppedFiles({QString::fromStdString(clip)});
    ASSERT_EQ(Rows(), 1);
    window.OnConvert();
    ASSERT_TRUE(window.uiState() & kUiConverting);
    encoderPid_ = window.lanes().driver(0).encoderRunner().processId;
    WaitUntil([] { return false; }, 1000);
  }
  long encoderPid_ = 0;
};

TEST_F(ClosingWhileConverting, NoKeepsTheWindowAndTheRun) {
  StartLongConversion();
  desktop_->yesNoAnswers = {false};
  EXPECT_FALSE(window_->close());
  ASSERT_EQ(desktop_->questions.size(), 1u);
  EXPECT_EQ(desktop_->questions[0].toStdString(),
            "!Waring!|Please stop ripping first and try again.\n\nDo you want to stop now?");
  EXPECT_TRUE(window_->uiState() & kUiConverting);
  EXPECT_TRUE(PlatformProcessExists(encoderPid_));
}

TEST_F(ClosingWhileConverting, YesEndsTheEncoderAndLeavesNoOutput) {
  StartLongConversion();
  desktop_->yesNoAnswers = {true};
  EXPECT_TRUE(window_->close());
  EXPECT_FALSE(PlatformProcessExists(encoderPid_));
  EXPECT_FALSE(std::filesystem::exists(videos_.file("long.mp4")));
  // The encoder removed its unfinished file too.
  int leftovers = 0;
  for (const auto& entry : std::filesystem::directory_iterator(videos_.path())) {
    ++leftovers;
    ADD_FAILURE() << "left behind: " << entry.path();
  }
  EXPECT_EQ(leftovers, 0);
}

// The run ends while the close question is open: the question goes with it
// and its answer does nothing.
TEST_F(MainWindow, CloseQuestionEndsWithTheRunItAskedAbout) {
  ZozDlg& window = OpenWindow();
  window.show();
  Drop({QString::fromStdString(Clip("short.mkv", 2))});
  Click(IDC_CONVERT);
  ASSERT_TRUE(window.uiState() & kUiConverting);
  desktop_->yesNoAnswers = {true};
  bool runEndedDuringQuestion = false;
  desktop_->duringQuestion = [&] {
    runEndedDuringQuestion = WaitUntil([&] { return (window.uiState() & kUiConverting) == 0; }, 60000);
  };
  Click(IDC_CLOSE);
  EXPECT_TRUE(runEndedDuringQuestion);
  EXPECT_TRUE(desktop_->questionDismissed);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(Row(0, 3), "Success!");
  EXPECT_TRUE(std::filesystem::exists(videos_.file("short.mp4")));
  // With no run the window closes without a question.
  desktop_->duringQuestion = nullptr;
  Click(IDC_CLOSE);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(desktop_->questions.size(), 1u);
}

}  // namespace
}  // namespace orva::test
