#include "app/gui/window_services.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QStandardPaths>

namespace orva {

namespace {

QString ChooseFolderWithDialog(QWidget* owner, const QString& title, const QString& initial) {
  return QFileDialog::getExistingDirectory(owner, title, initial, QFileDialog::ShowDirsOnly);
}

QStringList ChooseFilesWithDialog(QWidget* owner) { return QFileDialog::getOpenFileNames(owner); }

// The question that is open, if any.
QPointer<QMessageBox>& OpenQuestion() {
  static QPointer<QMessageBox> open;
  return open;
}

bool AskWithMessageBox(QWidget* owner, const QString& text, const QString& caption, bool topmost) {
  QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, owner);
  if (topmost) {
    box.setIcon(QMessageBox::Warning);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
  }
  const QPointer<QMessageBox> outer = OpenQuestion();
  OpenQuestion() = &box;
  const bool yes = box.exec() == QMessageBox::Yes;
  OpenQuestion() = outer;
  return yes;
}

void DismissOpenQuestion() {
  if (OpenQuestion()) OpenQuestion()->done(QMessageBox::No);
}

void ShowMessageBox(QWidget* owner, const QString& text, const QString& caption) {
  QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok, owner);
  box.exec();
}

QString UserVideoFolder() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
  if (folder.isEmpty() || !QDir().mkpath(folder)) return {};
  return QDir::toNativeSeparators(folder);
}

}  // namespace

WindowServices DesktopServices() {
  WindowServices services;
  services.chooseFolder = ChooseFolderWithDialog;
  services.chooseFiles = ChooseFilesWithDialog;
  services.askYesNo = AskWithMessageBox;
  services.showMessage = ShowMessageBox;
  services.dismissQuestion = DismissOpenQuestion;
  services.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
  services.videoFolder = UserVideoFolder;
  return services;
}

}  // namespace orva
