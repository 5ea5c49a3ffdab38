// A main window built in a scratch program folder (the real probe, the real
// or a fake encoder), with scripted answers in place of the desktop dialogs.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/gui/zoz_dlg.h"
#include "scratch_folder.h"

namespace orva::test {

struct ScriptedDesktop {
  std::deque<QString> folderAnswers;  // empty text: cancelled
  std::deque<QStringList> fileAnswers;
  std::function<QStringList(QWidget*)> fileDialog;  // when set, asked instead of fileAnswers
  std::deque<bool> yesNoAnswers;      // none left: No
  std::vector<QString> questions;     // "caption|text" of every question and message
  std::vector<QUrl> openedUrls;
  // Runs while a question is open, as the question's own event loop would.
  std::function<void()> duringQuestion;
  bool questionDismissed = false;
  QString videoFolder;
  int folderDialogs = 0;
};

// Runs the event loop until `done` holds or `milliseconds` have passed.
bool WaitUntil(const std::function<bool()>& done, int milliseconds);

// Runs `open`, which shows a modal dialog and returns when it closes; while
// the dialog is up, hands it to `inspect`, then closes it as Esc does.
void WhileModal(const std::function<void()>& open, const std::function<void(QWidget&)>& inspect);

// A left click at `where` in `target`, as the mouse gives it: press, then release.
void ClickAt(QWidget* target, const QPointF& where);

class WindowTest : public ::testing::Test {
 protected:
  WindowTest();
  ~WindowTest() override;

  // Builds (or rebuilds, as a restart does) the window over the same folders.
  ZozDlg& OpenWindow();
  void CloseWindow();

  // A left click on one of the window's controls, as the mouse gives it.
  void Click(int controlId);
  // A left click on a row of the job list (-1: below the rows).
  void ClickRow(int row);
  // Files dragged from a file manager and dropped on the window.
  void Drop(const QStringList& paths);

  // The encoder the window runs: the real one unless a test picks another.
  void UseEncoder(const std::string& program);
  // The preview player: the fake player following `script` (see its
  // source), recording into player_.
  void UsePlayer(const std::string& script);
  // What the fake player recorded in its file `name` ("input", "asked").
  std::string PlayerRecord(const std::string& name) const;
  // Runs `clicks` once, as soon as the preview player has been asked to end
  // (while the window still waits for it to go).
  void DuringPlayerStop(std::function<void()> clicks);
  // Runs `clicks` once, as soon as the player's record `name` holds `text`
  // once more than now.
  void WhenPlayerRecords(const std::string& name, const std::string& text, std::function<void()> clicks);

  std::string Row(int row, int column) const;
  int Rows() const;
  // A generated clip of `seconds` in `folder` (default: the media folder).
  std::string Clip(const std::string& name, double seconds, const ScratchFolder* folder = nullptr);

  ScratchFolder program_;
  ScratchFolder user_;
  ScratchFolder media_;
  ScratchFolder videos_;
  ScratchFolder player_;
  std::shared_ptr<ScriptedDesktop> desktop_ = std::make_shared<ScriptedDesktop>();
  std::unique_ptr<ZozDlg> window_;
};

}  // namespace orva::test
