// A keyboard-only road test in a real X server: files are added through the
// file dialog, a begin time is set from the preview and the list is
// converted, with Tab, Space, Enter and the arrow keys alone.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>
#include <memory>

#include "app/gui/control_ids.h"
#include "app/job_item.h"
#include "window_fixture.h"

namespace orva::test {
namespace {

constexpr int kWait = 60000;

// Counts the mouse presses the application sees.
class MouseCounter : public QObject {
 public:
  int presses = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) ++presses;
    return QObject::eventFilter(watched, event);
  }
};

class KeyboardRoadTest : public WindowTest {
 protected:
  KeyboardRoadTest() {
    std::filesystem::create_symlink(ORVA_PLAYER, program_.file("py.dat"));
    qApp->installEventFilter(&mice_);
  }
  ~KeyboardRoadTest() override { qApp->removeEventFilter(&mice_); }

  // Keys go to the window's focus, which stays its own while a dialog has
  // the application's.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = window_->focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, key, modifiers);
  }

  // Tabs through the window until `id` has the keyboard; false after a
  // whole round without it.
  bool TabTo(int id) {
    QWidget* target = window_->control(id);
    for (int presses = 0; presses < 40; ++presses) {
      if (window_->focusWidget() == target) return true;
      Key(Qt::Key_Tab);
    }
    return window_->focusWidget() == target;
  }

  MouseCounter mice_;
};

// The file dialog, opened in the media folder as a desktop that remembers
// it would, answered by typing a name into its file name box. The
// keys go to the dialog's own focus, which a desktop without a window
// manager may not make the application's.
QStringList TypeIntoFileDialog(QWidget* owner, const QString& folder, const QString& name) {
  QTimer::singleShot(0, [name] {
    QFileDialog* dialog = nullptr;
    const auto shown = [&dialog] {
      dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      return dialog != nullptr && dialog->isVisible() && dialog->focusWidget() != nullptr;
    };
    if (!WaitUntil(shown, kWait)) return;
    dialog->activateWindow();
    QTest::keyClicks(dialog->focusWidget(), name);
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
  });
  return QFileDialog::getOpenFileNames(owner, {}, folder, {}, nullptr, QFileDialog::DontUseNativeDialog);
}

TEST_F(KeyboardRoadTest, AddsFilesSetsABeginTimeAndConvertsByKeyboardAlone) {
  Clip("short.mkv", 2);
  Clip("long.mkv", 6);
  const QString folder = QString::fromStdString(media_.path());
  // One name each time the dialog opens.
  auto names = std::make_shared<QStringList>(QStringList{QStringLiteral("short.mkv"), QStringLiteral("long.mkv")});
  desktop_->fileDialog = [folder, names](QWidget* owner) {
    return names->isEmpty() ? QStringList() : TypeIntoFileDialog(owner, folder, names->takeFirst());
  };
  desktop_->yesNoAnswers = {true};  // "Set Current Time to Begin Time?"
  ZozDlg& window = OpenWindow();
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

  for (int rows = 1; rows <= 2; ++rows) {
    ASSERT_TRUE(TabTo(IDC_ADD_FILE));
    Key(Qt::Key_Space);
    ASSERT_TRUE(WaitUntil([this, rows] { return Rows() == rows; }, kWait)) << Rows() << " rows";
  }
  EXPECT_EQ(Row(1, 0).rfind("long", 0), 0u) << Row(1, 0);
  ASSERT_TRUE(WaitUntil([&window] { return (window.uiState() & kUiPreviewLoaded) != 0; }, kWait));

  // The profile menu opens from its combo and Esc closes it.
  ASSERT_TRUE(TabTo(IDC_PROFILE_COMBO));
  Key(Qt::Key_Space);
  ASSERT_TRUE(WaitUntil([&window] { return window.profileMenu()->isVisible(); }, kWait));
  QTest::keyClick(window.profileMenu(), Qt::Key_Escape);
  ASSERT_TRUE(WaitUntil([&window] { return !window.profileMenu()->isVisible(); }, kWait));

  // The clip added last is in the preview: three tenths into it, then that
  // position becomes its begin.
  ASSERT_TRUE(TabTo(IDC_SEEK_SLIDER));
  for (int i = 0; i < 3; ++i) Key(Qt::Key_PageDown);
  ASSERT_TRUE(TabTo(IDC_TRIM_BEGIN));
  Key(Qt::Key_Return);
  JobItem* trimmed = TheJobList().at(1);
  ASSERT_TRUE(WaitUntil([trimmed] { return trimmed->trim_begin > 0.5; }, kWait)) << trimmed->trim_begin;
  EXPECT_LT(trimmed->trim_begin, 3.0);

  ASSERT_TRUE(TabTo(IDC_CONVERT));
  Key(Qt::Key_Space);
  const std::string firstOut = videos_.file("short.mp4");
  const std::string secondOut = videos_.file("long.mp4");
  ASSERT_TRUE(WaitUntil([&] { return std::filesystem::exists(firstOut) && std::filesystem::exists(secondOut) &&
                                     (window.uiState() & kUiConverting) == 0; },
                        kWait * 2));
  for (int row = 0; row < 2; ++row) EXPECT_EQ(Row(row, 3), "Success!") << row;
  EXPECT_EQ(mice_.presses, 0);
}

}  // namespace
}  // namespace orva::test
