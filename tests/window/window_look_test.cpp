// What the window and its dialogs show: texts that fit their controls with
// the font in use, the profile menu's texts, the list's columns, the focus
// ring and the colours of the dialogs the program opens.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "app/add_files_worker.h"
#include "app/gui/skin_style.h"
#include "app/gui/wait_dlg.h"
#include "controls/combo_text_room.h"
#include "controls/gdip_button.h"
#include "controls/read_only_combo_box.h"
#include "profiles/catalogue.h"
#include "profiles/gui/profile_dlg.h"
#include "profiles/profile_selection.h"
#include "window_fixture.h"

namespace orva::test {
namespace {

using WindowLook = WindowTest;

// Whether `text` shows whole in `label` with the font the label draws with.
bool TextFitsLabel(const QLabel& label, const QString& text) {
  label.ensurePolished();
  return label.fontMetrics().horizontalAdvance(text) <= label.contentsRect().width();
}

void ExpectEveryItemFits(const QComboBox& combo, const std::string& where) {
  for (int i = 0; i < combo.count(); ++i) {
    EXPECT_TRUE(TextFitsCombo(combo, combo.itemText(i)))
        << where << ": \"" << combo.itemText(i).toStdString() << "\" in " << ComboTextRoom(combo) << " px";
  }
}

void ExpectEveryCaptionFits(const QWidget& dialog, const std::string& where) {
  for (const QLabel* label : dialog.findChildren<QLabel*>()) {
    EXPECT_TRUE(TextFitsLabel(*label, label->text())) << where << ": \"" << label->text().toStdString() << "\"";
  }
}

void SendKey(QWidget* target, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &press);
  QCoreApplication::sendEvent(target, &release);
}

TEST_F(WindowLook, EditProfileShowsEveryChoiceOfEveryProfileWhole) {
  ZozDlg& window = OpenWindow();
  for (int c = 0; c < kCategoryCount; ++c) {
    for (int s = 0; s < CategoryTable()[c].profileCount; ++s) {
      currentProfile = CategoryTable()[c].profiles[s];
      const std::string name = currentProfile->name;
      CProfileDlg dialog(&window);
      ExpectEveryCaptionFits(dialog, name);
      for (const QComboBox* combo : dialog.findChildren<QComboBox*>()) ExpectEveryItemFits(*combo, name);
      // Each video and audio codec brings its own sizes, rates and channels.
      for (int codecId : {IDC_VIDEO_CODEC_COMBO, IDC_AUDIO_CODEC_COMBO}) {
        QComboBox* codec = dialog.combo(codecId);
        for (int i = 1; i < codec->count(); ++i) {
          codec->setCurrentIndex(i);
          for (const QComboBox* combo : dialog.findChildren<QComboBox*>()) ExpectEveryItemFits(*combo, name);
        }
      }
    }
  }
}

TEST_F(WindowLook, ProfileLineShortensALongSummaryAndItsTooltipHoldsAllOfIt) {
  ZozDlg& window = OpenWindow();
  window.show();
  CReadOnlyComboBox& line = *window.profileCombo();
  int shortened = 0;
  for (int c = 0; c < kCategoryCount; ++c) {
    for (int s = 0; s < CategoryTable()[c].profileCount; ++s) {
      window.SelectProfileById(profileMenuId(*CategoryTable()[c].profiles[s]));
      const QString shown = line.shownText();
      EXPECT_TRUE(TextFitsCombo(line, shown)) << shown.toStdString();
      EXPECT_EQ(line.toolTip(), line.currentText());
      if (shown != line.currentText()) {
        ++shortened;
        EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
        EXPECT_TRUE(line.currentText().startsWith(shown.chopped(1))) << shown.toStdString();
      }
    }
  }
  EXPECT_GT(shortened, 0) << "no summary was long enough to need shortening";
}

TEST_F(WindowLook, ProfileMenuShowsCategoryNamesAsWrittenAndTheOneInUseBold) {
  ZozDlg& window = OpenWindow();
  window.show();
  QMenu& menu = *window.profileMenu();
  int withAmpersand = 0;
  for (int c = 0; c < kCategoryCount; ++c) {
    const QString title = menu.actions()[c]->text();
    EXPECT_TRUE(QKeySequence::mnemonic(title).isEmpty()) << title.toStdString();
    EXPECT_EQ(menu.actions()[c]->iconText().toStdString(), CategoryTable()[c].name);
    if (title.contains('&')) ++withAmpersand;
  }
  EXPECT_GT(withAmpersand, 0);

  const auto boldItems = [&menu] {
    std::vector<int> bold;
    for (int c = 0; c < menu.actions().size(); ++c) {
      if (menu.actions()[c]->font().bold()) bold.push_back(c);
    }
    return bold;
  };
  for (int category : {5, 2}) {
    window.SelectProfileById(10000 + 100 * category);
    Click(IDC_PROFILE_COMBO);
    ASSERT_TRUE(WaitUntil([&menu] { return menu.isVisible(); }, 2000));
    EXPECT_EQ(boldItems(), std::vector<int>{category});
    menu.hide();
  }
}

TEST_F(WindowLook, ManyRowsKeepEveryColumnInSight) {
  ZozDlg& window = OpenWindow();
  window.show();
  const QString clip = QString::fromStdString(Clip("a-rather-long-file-name-for-a-holiday-clip.mp4", 1));
  QStringList files;
  for (int i = 0; i < 16; ++i) files << clip;
  Drop(files);
  ASSERT_EQ(Rows(), 16);
  QTreeWidget& list = *window.jobListView();
  ASSERT_TRUE(WaitUntil([&list] { return list.verticalScrollBar()->isVisible(); }, 2000));
  const QHeaderView& header = *list.header();
  EXPECT_LE(header.sectionViewportPosition(3) + header.sectionSize(3), list.viewport()->width());
  EXPECT_FALSE(list.horizontalScrollBar()->isVisible());
  for (int column = 1; column < 4; ++column) EXPECT_GE(header.sectionSize(column), list.width() / 6);
}

TEST_F(WindowLook, WaitBoxShortensTheMiddleOfALongPathAndKeepsTheCounter) {
  const std::string path = "/media/videos/" + std::string(120, 'x') + "/wait_box_026.mp4";
  AddFilesWorker worker({path}, ORVA_ENDLESS_PROBE);
  worker.start();
  CWaitDlg dialog(nullptr, "Reading file information...", worker, {});
  dialog.show();
  ASSERT_TRUE(WaitUntil([&dialog] { return !dialog.fileLine().isEmpty(); }, 5000));
  const QString line = dialog.fileLine();
  EXPECT_TRUE(line.startsWith("/media/videos/")) << line.toStdString();
  EXPECT_TRUE(line.endsWith("wait_box_026.mp4 [0s]")) << line.toStdString();
  EXPECT_TRUE(line.contains(QChar(0x2026))) << line.toStdString();
  const QLabel* shown = nullptr;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) {
    if (label->text() == line) shown = label;
  }
  ASSERT_NE(shown, nullptr);
  EXPECT_TRUE(TextFitsLabel(*shown, line));
  SendKey(&dialog, Qt::Key_Escape);
  EXPECT_TRUE(WaitUntil([&worker] { return worker.finished(); }, 10000));
}

TEST_F(WindowLook, MessageBoxesTakeTheSkinColours) {
  ZozDlg& window = OpenWindow();
  window.show();
  QPalette seen;
  QTimer answer;
  answer.setInterval(20);
  QObject::connect(&answer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    answer.stop();
    seen = box->palette();
    SendKey(box, Qt::Key_Escape);
  });
  answer.start();
  EXPECT_FALSE(DesktopServices().askYesNo(&window, "Stop converting?", "!Waring!", true));
  const QPalette skin = SkinPalette();
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Button, QPalette::ButtonText,
                                   QPalette::Base, QPalette::Text, QPalette::Highlight}) {
    EXPECT_EQ(seen.color(role), skin.color(role)) << role;
  }
  EXPECT_EQ(seen.color(QPalette::Window), QColor(0x1E, 0x22, 0x2A));
  EXPECT_EQ(seen.color(QPalette::WindowText), QColor(0xE6, 0xE9, 0xEF));
}

TEST_F(WindowLook, FocusRingShowsOnlyAfterKeyboardUse) {
  ZozDlg& window = OpenWindow();
  window.show();
  Drop({QString::fromStdString(Clip("a.mkv", 20))});
  window.activateWindow();
  ASSERT_TRUE(WaitUntil([&window] { return window.isActiveWindow(); }, 2000));
  const auto ringsShown = [&window] {
    int rings = 0;
    for (const CGdipButton* button : window.findChildren<CGdipButton*>()) rings += button->showsFocusRing();
    return rings;
  };
  // The clicked Convert (a click focuses it) hands its focus to Stop, in
  // its place, without a ring.
  QTest::mouseClick(window.control(IDC_CONVERT), Qt::LeftButton);
  ASSERT_TRUE(window.uiState() & kUiConverting);
  EXPECT_TRUE(window.control(IDC_STOP_CONVERT)->hasFocus());
  EXPECT_EQ(ringsShown(), 0);
  QTest::mouseClick(window.control(IDC_STOP_CONVERT), Qt::LeftButton);
  ASSERT_TRUE(WaitUntil([&] { return (window.uiState() & kUiConverting) == 0; }, 10000));
  EXPECT_EQ(ringsShown(), 0);

  // Reached with the keyboard, Convert keeps its ring on the Stop button
  // that takes its place.
  auto* convert = static_cast<CGdipButton*>(window.control(IDC_CONVERT));
  convert->clearFocus();
  convert->setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(convert->showsFocusRing());
  SendKey(convert, Qt::Key_Space);
  ASSERT_TRUE(window.uiState() & kUiConverting);
  EXPECT_TRUE(static_cast<CGdipButton*>(window.control(IDC_STOP_CONVERT))->showsFocusRing());
  EXPECT_EQ(ringsShown(), 1);
  window.OnStopConvert();
  ASSERT_TRUE(WaitUntil([&] { return (window.uiState() & kUiConverting) == 0; }, 10000));
}

}  // namespace
}  // namespace orva::test
