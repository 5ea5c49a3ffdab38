// Every dialog the window opens, in every shipped language: each caption,
// button and message is shown whole, inside its dialog.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTimer>
#include <QTranslator>
#include <sys/stat.h>

#include "app/gui/window_services.h"
#include "app/gui/window_text.h"
#include "app/string_table.h"
#include "profiles/catalogue.h"
#include "profiles/gui/profile_dlg.h"
#include "profiles/profile_selection.h"
#include "window_fixture.h"

namespace orva::test {
namespace {

QString Plain(const QString& text) { return QString(text).remove(QLatin1Char('&')); }

// Why `widget`'s text is not shown whole, or an empty text when it is.
QString Cut(const QWidget& widget) {
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    if (label->text().isEmpty()) return {};
    if (label->wordWrap()) {
      return label->heightForWidth(label->width()) > label->height() ? QStringLiteral("wraps below its place")
                                                                     : QString();
    }
    const QSize needed = label->minimumSizeHint();
    if (needed.width() > label->width()) {
      return QStringLiteral("needs %1 px, has %2").arg(needed.width()).arg(label->width());
    }
    return needed.height() > label->height() ? QStringLiteral("too low") : QString();
  }
  if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const int needed = button->fontMetrics().horizontalAdvance(Plain(button->text()));
    return needed > room.width() ? QStringLiteral("needs %1 px, has %2").arg(needed).arg(room.width()) : QString();
  }
  if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
    const int needed = group->fontMetrics().horizontalAdvance(Plain(group->title()));
    return needed > group->width() - 16 ? QStringLiteral("title wider than the group") : QString();
  }
  return {};
}

QString TextOf(const QWidget& widget) {
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) return label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) return button->text();
  if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) return group->title();
  return {};
}

// Every showing text of `dialog` fits its place, and its place lies inside
// the dialog: a caption that reaches past an edge is cut there.
void ExpectTextsFit(QWidget& dialog, const std::string& which) {
  const QRect bounds = dialog.rect();
  int checked = 0;
  for (QWidget* child : dialog.findChildren<QWidget*>()) {
    if (!child->isVisible() || TextOf(*child).isEmpty()) continue;
    ++checked;
    const std::string text = TextOf(*child).toStdString();
    const QRect place(child->mapTo(&dialog, QPoint(0, 0)), child->size());
    EXPECT_TRUE(bounds.contains(place)) << which << ": \"" << text << "\" reaches past the dialog's edge";
    const QString cut = Cut(*child);
    EXPECT_TRUE(cut.isEmpty()) << which << ": \"" << text << "\" is cut: " << cut.toStdString();
  }
  EXPECT_GT(checked, 0) << which;
}

int ProfileIdNamed(const char* name) {
  for (int c = 0; c < kCategoryCount; ++c) {
    const ProfileCategory& category = CategoryTable()[c];
    for (int s = 0; s < category.profileCount; ++s) {
      if (std::strcmp(category.profiles[s]->name, name) == 0) return profileMenuId(*category.profiles[s]);
    }
  }
  ADD_FAILURE() << "no profile named " << name;
  return 0;
}

// The window's catalogue and the toolkit's for one language ("en": none).
class Language {
 public:
  explicit Language(const QString& code) {
    if (code == QLatin1String("en")) return;
    EXPECT_TRUE(window_.load(QStringLiteral(":/i18n/orva_%1.qm").arg(code))) << code.toStdString();
    EXPECT_TRUE(toolkit_.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        << code.toStdString();
    QCoreApplication::installTranslator(&window_);
    QCoreApplication::installTranslator(&toolkit_);
  }
  ~Language() {
    QCoreApplication::removeTranslator(&window_);
    QCoreApplication::removeTranslator(&toolkit_);
  }

 private:
  QTranslator window_;
  QTranslator toolkit_;
};

class DialogFit : public WindowTest, public ::testing::WithParamInterface<const char*> {
 protected:
  std::string Which(const char* dialog) const { return std::string(GetParam()) + ", " + dialog; }
};

TEST_P(DialogFit, EditProfileForAVideoAndAnAudioProfile) {
  const Language language(QString::fromLatin1(GetParam()));
  ZozDlg& window = OpenWindow();
  window.show();
  for (const char* profile : {"BlackBerry - 3GP Video", "HD - H.264 Video", "MP3 - MPEG Layer-3 Audio"}) {
    window.SelectProfileById(ProfileIdNamed(profile));
    WhileModal([&window] { window.OnEditProfile(); },
               [&](QWidget& dialog) { ExpectTextsFit(dialog, Which(profile)); });
  }
}

TEST_P(DialogFit, AboutBox) {
  const Language language(QString::fromLatin1(GetParam()));
  ZozDlg& window = OpenWindow();
  window.show();
  WhileModal([&window] { window.ShowAboutBox(); }, [&](QWidget& dialog) { ExpectTextsFit(dialog, Which("About")); });
}

// A file that is still being written keeps the probe waiting, and the wait
// box up.
TEST_P(DialogFit, WaitBox) {
  const Language language(QString::fromLatin1(GetParam()));
  const std::string pipe = media_.file("still-copying.mp4");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  OpenWindow().show();
  WhileModal([&] { Drop({QString::fromStdString(pipe)}); },
             [&](QWidget& dialog) {
               WaitUntil([] { return false; }, 1200);  // the file line with its counter
               ExpectTextsFit(dialog, Which("the wait box"));
             });
}

// Each question and message the window asks, as the desktop shows it.
TEST_P(DialogFit, EveryQuestionAndMessage) {
  const Language language(QString::fromLatin1(GetParam()));
  ZozDlg& window = OpenWindow();
  window.show();
  const WindowServices desktop = DesktopServices();
  const QString deepPath = QStringLiteral("/home/someone/") + QString(250, QLatin1Char('d')) + "/clip.mp4";
  struct Box {
    const char* which;
    QString text;
    QString caption;
    bool question;
  };
  const Box boxes[] = {
      {"the begin question", WindowString(kStrSetBegin), ShownText("Set Begin Time"), true},
      {"the end question", WindowString(kStrSetEnd), ShownText("Set End Time"), true},
      {"the begin-too-large message", WindowString(kStrBeginTooLarge), ShownText("Set End Time"), false},
      {"the close question", WindowString(kStrStopFirst), ShownText("!Waring!"), true},
      {"the not-writable question", WindowString(kStrNotWritable) + "\n/media/someone/read-only",
       ShownText("Error"), true},
      {"the version offer", WindowString(kStrNewVersion) + " : 1.7.30", ShownText("New Version"), true},
      {"the files not added", ShownText("These files were not added:") + "\n" + deepPath + "\n    " +
                                  ShownText("the path is 260 bytes or longer"),
       ShownText("Add Files"), false},
  };
  for (const Box& box : boxes) {
    const auto open = [&] {
      if (box.question) desktop.askYesNo(&window, box.text, box.caption, false);
      else desktop.showMessage(&window, box.text, box.caption);
    };
    WhileModal(open, [&](QWidget& dialog) {
      ExpectTextsFit(dialog, Which(box.which));
      EXPECT_EQ(dialog.windowTitle(), box.caption);
    });
  }
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, DialogFit, ::testing::Values("en", "de", "fr", "es"),
                         [](const ::testing::TestParamInfo<const char*>& language) {
                           return std::string(language.param);
                         });

}  // namespace
}  // namespace orva::test
