// The profile menu, the combo's summary and the Edit Profile dialog.
#include <QComboBox>
#include <QMenu>
#include <QTreeWidget>
#include <filesystem>

#include "app/data_files.h"
#include "app/job_item.h"
#include "controls/read_only_combo_box.h"
#include "profiles/catalogue.h"
#include "profiles/gui/profile_dlg.h"
#include "profiles/profile_selection.h"
#include "window_fixture.h"

namespace orva::test {
namespace {

using ProfileWindow = WindowTest;

Profile* ProfileNamed(const std::string& name) {
  for (int c = 0; c < kCategoryCount; ++c) {
    for (int s = 0; s < CategoryTable()[c].profileCount; ++s) {
      if (name == CategoryTable()[c].profiles[s]->name) return CategoryTable()[c].profiles[s];
    }
  }
  return currentProfile;
}

QAction* MenuItem(QMenu& menu, int category, int slot) {
  return menu.actions()[category]->menu()->actions()[slot];
}

TEST_F(ProfileWindow, MenuHoldsEveryCategoryAndProfileWithTheirIds) {
  ZozDlg& window = OpenWindow();
  QMenu& menu = *window.profileMenu();
  ASSERT_EQ(menu.actions().size(), kCategoryCount);
  int profiles = 0;
  for (int c = 0; c < kCategoryCount; ++c) {
    QMenu* submenu = menu.actions()[c]->menu();
    ASSERT_NE(submenu, nullptr);
    EXPECT_EQ(submenu->menuAction()->iconText().toStdString(), CategoryTable()[c].name);
    for (int s = 0; s < submenu->actions().size(); ++s) {
      EXPECT_EQ(submenu->actions()[s]->data().toInt(), 10000 + 100 * c + s);
      ++profiles;
    }
  }
  EXPECT_EQ(profiles, kBuiltInProfileCount);
  EXPECT_EQ(MenuItem(menu, 5, 2)->text(), "BlackBerry - MPEG4 Video");
}

TEST_F(ProfileWindow, ChoosingAProfileSavesItAndRefreshesRowsAndSummary) {
  ZozDlg& window = OpenWindow();
  window.AddDroppedFiles({QString::fromStdString(Clip("a.mp4", 4))});
  const QString before = window.profileCombo()->currentText();
  MenuItem(*window.profileMenu(), 5, 2)->trigger();
  EXPECT_EQ(ReadWholeFile(program_.file("profile.dat").c_str()).value_or(""), "10502");
  EXPECT_EQ(std::string(currentProfile->name), "BlackBerry - MPEG4 Video");
  EXPECT_EQ(TheJobList().at(0)->profile, currentProfile);
  EXPECT_NE(window.profileCombo()->currentText(), before);
  EXPECT_EQ(window.profileCombo()->count(), 1);

  // The menu marks the category in use each time it opens.
  window.ShowProfileMenu();
  EXPECT_EQ(window.profileMenu()->defaultAction(), window.profileMenu()->actions()[5]);
  window.profileMenu()->hide();

  // Choosing the profile in use again writes nothing.
  std::filesystem::remove(program_.file("profile.dat"));
  window.SelectProfileById(10502);
  EXPECT_FALSE(std::filesystem::exists(program_.file("profile.dat")));

  // The next start restores the choice.
  SetUpCatalogue();
  OpenWindow();
  WriteTextFile(program_.file("profile.dat").c_str(), "10502");
  ZozDlg& restarted = OpenWindow();
  EXPECT_EQ(std::string(currentProfile->name), "BlackBerry - MPEG4 Video");
  EXPECT_TRUE(restarted.profileCombo()->currentText().startsWith("BlackBerry - MPEG4 Video  ["));
}

TEST_F(ProfileWindow, ProfileMenuIsRefusedWhileConverting) {
  ZozDlg& window = OpenWindow();
  window.SetUiState(kUiConverting, true);
  window.ShowProfileMenu();
  EXPECT_FALSE(window.profileMenu()->isVisible());
  window.SelectProfileById(10502);
  EXPECT_EQ(currentProfile, ProfileFromMenuId(10000));
  window.SetUiState(kUiConverting, false);
}

TEST_F(ProfileWindow, AudioProfileOpensWithTheVideoCombosDisabledAndEmpty) {
  currentProfile = ProfileNamed("MP3 - MPEG Layer-3 Audio");
  ASSERT_EQ(std::string(currentProfile->name), "MP3 - MPEG Layer-3 Audio");
  CProfileDlg dialog;
  for (int id : {IDC_VIDEO_CODEC_COMBO, IDC_SIZE_COMBO, IDC_VIDEO_BITRATE_COMBO, IDC_FRAME_RATE_COMBO,
                 IDC_ASPECT_COMBO}) {
    EXPECT_FALSE(dialog.combo(id)->isEnabled()) << id;
    EXPECT_EQ(dialog.combo(id)->count(), 0) << id;
  }
  ASSERT_EQ(dialog.combo(IDC_AUDIO_CODEC_COMBO)->count(), 1);
  EXPECT_EQ(dialog.combo(IDC_AUDIO_CODEC_COMBO)->itemText(0), "mp3");
  EXPECT_EQ(dialog.profileName(), "MP3 - MPEG Layer-3 Audio");
}

TEST_F(ProfileWindow, SwitchingCodecRefillsItsOwnChoices) {
  currentProfile = ProfileNamed("BlackBerry - 3GP Video");
  ASSERT_EQ(std::string(currentProfile->name), "BlackBerry - 3GP Video");
  CProfileDlg dialog;
  QComboBox* codecs = dialog.combo(IDC_VIDEO_CODEC_COMBO);
  ASSERT_EQ(codecs->count(), 4);
  EXPECT_EQ(codecs->itemText(1), "H.263");
  codecs->setCurrentIndex(1);
  EXPECT_EQ(dialog.combo(IDC_SIZE_COMBO)->currentText(), "352x288");
  EXPECT_EQ(currentProfile->videoCodecIndex, 1);
}

TEST_F(ProfileWindow, EscapeKeepsAChangedSizeAndTheSummaryShowsIt) {
  ZozDlg& window = OpenWindow();
  window.AddDroppedFiles({QString::fromStdString(Clip("a.mp4", 20))});
  const std::string sizeBefore = Row(0, 2);
  {
    CProfileDlg dialog(&window);
    QComboBox* sizes = dialog.combo(IDC_SIZE_COMBO);
    sizes->setCurrentIndex(sizes->count() - 1);
    QComboBox* rates = dialog.combo(IDC_VIDEO_BITRATE_COMBO);
    rates->setCurrentIndex(rates->count() - 1);
    dialog.reject();
  }
  window.RefreshAllRows();
  char summary[kSummaryCapacity];
  FormatProfileSummary(*currentProfile, summary);
  EXPECT_NE(std::string(summary).find(GetOptionItem(CurrentVideoEntry(*currentProfile)->sizes,
                                                    CurrentVideoEntry(*currentProfile)->sizeIndex)),
            std::string::npos);
  EXPECT_NE(Row(0, 2), sizeBefore);
}

TEST_F(ProfileWindow, WmaOpensOnItsSecondCodec) {
  currentProfile = ProfileNamed("WMA - Windows Media Audio");
  ASSERT_EQ(std::string(currentProfile->name), "WMA - Windows Media Audio");
  CProfileDlg dialog;
  EXPECT_EQ(dialog.combo(IDC_AUDIO_CODEC_COMBO)->currentIndex(), 1);
  EXPECT_EQ(dialog.combo(IDC_AUDIO_CODEC_COMBO)->currentText(), "Windows Media Audio V8");
}

}  // namespace
}  // namespace orva::test
