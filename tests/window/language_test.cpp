// The window in the shipped languages: under a German locale its captions
// are German, and in every shipped language each caption fits its place.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

#include "app/gui/control_ids.h"
#include "app/gui/window_services.h"
#include "app/gui/window_text.h"
#include "app/string_table.h"
#include "engine/failure_reason.h"
#include "controls/wx_static.h"
#include "window_fixture.h"

namespace orva::test {
namespace {

constexpr int kSkinCaptions[] = {
    IDC_CAPTION_ADD_FILES, IDC_CAPTION_DELETE, IDC_CAPTION_CLEAR, IDC_CAPTION_EDIT_PROFILE,
    IDC_DROP_HINT,         IDC_DROP_HINT_MORE, IDC_SKIN_BEGIN,    IDC_SKIN_END,
    IDC_SKIN_PROFILE,      IDC_SKIN_DESTINATION, IDC_CAPTION_BROWSE, IDC_CAPTION_OPEN,
    IDC_CAPTION_HOME,      IDC_CAPTION_HELP,
};

// The string-table texts the window shows.
constexpr int kShownStrings[] = {kStrAboutMenu, 1000, 1003, 1004, 1008, 1009, 1010, 1011, 1013, 1047,
                                 1048, 1049, kStrNewVersion, kStrSetBegin, kStrSetEnd, kStrBeginTooLarge,
                                 kStrNotWritable, kStrReadingFileInfo, kStrStopFirst, kStrTitle};

class LanguageTest : public WindowTest {
 protected:
  CwxStatic* Find(int id) {
    for (CwxStatic* label : window_->findChildren<CwxStatic*>()) {
      if (label->controlId() == id) return label;
    }
    return nullptr;
  }
  void ExpectCaptionsFit(const char* language) {
    for (int id : kSkinCaptions) {
      CwxStatic* label = Find(id);
      ASSERT_NE(label, nullptr) << id;
      const int needed = QFontMetrics(label->TextFont()).horizontalAdvance(label->text());
      EXPECT_LE(needed, label->width()) << language << ": \"" << label->text().toStdString() << "\"";
      // The words of Home and Help show only with their pages.
      if (id != IDC_CAPTION_HOME && id != IDC_CAPTION_HELP) {
        EXPECT_TRUE(label->isVisible()) << id;
      }
    }
  }
};

TEST_F(LanguageTest, UnderAGermanLocaleTheCaptionsAreGermanAndFit) {
  ASSERT_EQ(QLocale::system().language(), QLocale::German) << "run with LANG=de_DE.UTF-8";
  ASSERT_TRUE(InstallWindowTranslation());
  OpenWindow().show();
  EXPECT_EQ(Find(IDC_CAPTION_ADD_FILES)->text(), QStringLiteral("Hinzufügen"));
  EXPECT_EQ(Find(IDC_SKIN_DESTINATION)->text(), QStringLiteral("Zielordner:"));
  EXPECT_EQ(Find(IDC_DROP_HINT)->text(), QStringLiteral("Video- oder Audiodateien hierher ziehen"));
  EXPECT_EQ(WindowString(1000), QStringLiteral("Hinzufügen"));
  ExpectCaptionsFit("de");
}

// The questions of the trim times, the buttons of every question and the
// file dialog speak the user's language too, not the main window alone.
TEST_F(LanguageTest, UnderAGermanLocaleQuestionsTheirButtonsAndTheFileDialogAreGerman) {
  ASSERT_TRUE(InstallWindowTranslation());
  ASSERT_TRUE(InstallToolkitTranslation());
  UsePlayer("ct:0003.00 wait");
  ZozDlg& window = OpenWindow();
  window.show();
  Drop({QString::fromStdString(Clip("clip.mkv", 8))});
  ASSERT_TRUE(WaitUntil([&] { return window.preview().loaded(); }, 10000));
  ASSERT_TRUE(WaitUntil([&] { return window.preview().currentTime() > 0; }, 10000));
  Click(IDC_TRIM_BEGIN);
  Click(IDC_TRIM_END);
  ASSERT_EQ(desktop_->questions.size(), 2u);
  EXPECT_EQ(desktop_->questions[0], QStringLiteral("Anfang setzen|Aktuelle Zeit als Anfang setzen?"));
  EXPECT_EQ(desktop_->questions[1], QStringLiteral("Ende setzen|Aktuelle Zeit als Ende setzen?"));

  const WindowServices desktop = DesktopServices();
  WhileModal([&] { desktop.askYesNo(&window, WindowString(kStrSetBegin), QStringLiteral("Anfang setzen"), false); },
             [](QWidget& dialog) {
               auto& box = static_cast<QMessageBox&>(dialog);
               EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
               EXPECT_EQ(box.button(QMessageBox::No)->text(), QStringLiteral("&Nein"));
             });
  WhileModal([&] { desktop.chooseFiles(&window); }, [](QWidget& dialog) {
    QStringList words;
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
      if (button->isVisible()) words << QString(button->text()).remove(QLatin1Char('&'));
    }
    EXPECT_TRUE(words.contains(QStringLiteral("Öffnen"))) << words.join(", ").toStdString();
    EXPECT_TRUE(words.contains(QStringLiteral("Abbrechen"))) << words.join(", ").toStdString();
  });
}

// Why a job failed reads in the user's language with its path or figure in
// place; what the encoder itself said stays as it said it.
TEST_F(LanguageTest, UnderAGermanLocaleAFailureReasonIsGerman) {
  ASSERT_TRUE(InstallWindowTranslation());
  EXPECT_EQ(ShownReason(ReasonText(kReasonFolderMissing, "/media/stick/films/").c_str()),
            QStringLiteral("der Zielordner /media/stick/films/ existiert nicht"));
  EXPECT_EQ(ShownReason(ReasonText(kReasonPartial, "37%").c_str()),
            QStringLiteral("der Encoder schrieb nur 37% des Bereichs"));
  EXPECT_EQ(ShownReason(kReasonNoAudio), QStringLiteral("die Quelle hat keine Tonspur zum Umwandeln"));
  // A path that itself looks like a form is taken whole.
  EXPECT_EQ(ShownReason(ReasonText(kReasonNoEncoder, "/opt/no encoder program at /x").c_str()),
            QStringLiteral("kein Encoder-Programm unter /opt/no encoder program at /x"));
  EXPECT_EQ(ShownReason("Invalid data found when processing input"),
            QStringLiteral("Invalid data found when processing input"));
  EXPECT_EQ(ShownReason(""), QString());
}

// Every shipped catalogue carries a translation of each text of the string
// table the window shows, and the captions fit in each language.
TEST_F(LanguageTest, EveryShippedLanguageTranslatesTheStringTableAndFits) {
  for (const char* language : {"de", "fr", "es"}) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/orva_%1.qm").arg(QLatin1String(language)))) << language;
    for (int id : kShownStrings) {
      EXPECT_FALSE(translator.translate("WindowText", LoadString(id)).isEmpty()) << language << ": " << LoadString(id);
    }
    for (const char* form : kReasonForms) {
      EXPECT_TRUE(translator.translate("WindowText", form).contains(QStringLiteral("%1")) ||
                  !QString::fromUtf8(form).contains(QStringLiteral("%1")))
          << language << ": " << form;
    }
    QCoreApplication::installTranslator(&translator);
    OpenWindow().show();
    ExpectCaptionsFit(language);
    CloseWindow();
    QCoreApplication::removeTranslator(&translator);
  }
}

}  // namespace
}  // namespace orva::test
