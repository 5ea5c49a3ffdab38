// The desktop services the main window asks for: dialogs, questions, the
// file manager and the browser. The program uses the desktop's own; tests
// put scripted answers in their place.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

class QWidget;

namespace orva {

struct WindowServices {
  // The chosen folder, or an empty text when cancelled.
  std::function<QString(QWidget* owner, const QString& title, const QString& initial)> chooseFolder;
  // The chosen files in the dialog's order; empty when cancelled.
  std::function<QStringList(QWidget* owner)> chooseFiles;
  // true for Yes.
  std::function<bool(QWidget* owner, const QString& text, const QString& caption, bool topmost)> askYesNo;
  std::function<void(QWidget* owner, const QString& text, const QString& caption)> showMessage;
  // Closes the open question as if No had been answered: what it asked
  // about has gone.
  std::function<void()> dismissQuestion;
  // Opens a folder in the file manager or a page in the browser; failures are silent.
  std::function<void(const QUrl& url)> openUrl;
  // The user's video folder, made when missing; empty when there is none.
  std::function<QString()> videoFolder;
};

// The desktop's own dialogs and services.
WindowServices DesktopServices();

}  // namespace orva
