#include "window_fixture.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QElapsedTimer>
#include <QThread>
#include <QTreeWidget>
#include <filesystem>

#include "app/job_item.h"
#include "media_clip.h"
#include "profiles/catalogue.h"

namespace orva::test {

namespace {

WindowServices ScriptedServices(std::shared_ptr<ScriptedDesktop> desktop) {
  WindowServices services;
  services.chooseFolder = [desktop](QWidget*, const QString&, const QString&) {
    ++desktop->folderDialogs;
    if (desktop->folderAnswers.empty()) return QString();
    QString answer = desktop->folderAnswers.front();
    desktop->folderAnswers.pop_front();
    return answer;
  };
  services.chooseFiles = [desktop](QWidget*) {
    if (desktop->fileAnswers.empty()) return QStringList();
    QStringList answer = desktop->fileAnswers.front();
    desktop->fileAnswers.pop_front();
    return answer;
  };
  services.askYesNo = [desktop](QWidget*, const QString& text, const QString& caption, bool) {
    desktop->questions.push_back(caption + "|" + text);
    if (desktop->yesNoAnswers.empty()) return false;
    const bool answer = desktop->yesNoAnswers.front();
    desktop->yesNoAnswers.pop_front();
    return answer;
  };
  services.showMessage = [desktop](QWidget*, const QString& text, const QString& caption) {
    desktop->questions.push_back(caption + "|" + text);
  };
  services.openUrl = [desktop](const QUrl& url) { desktop->openedUrls.push_back(url); };
  services.videoFolder = [desktop] { return desktop->videoFolder; };
  return services;
}

void Link(const std::string& target, const std::string& link) {
  std::error_code ignored;
  std::filesystem::remove(link, ignored);
  std::filesystem::create_symlink(target, link);
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > milliseconds) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(5);
  }
  return true;
}

WindowTest::WindowTest() {
  SetUpCatalogue();
  TheJobList().freeAll();
  Link(ORVA_PROBE, program_.file("pb.dat"));
  Link(ORVA_ENCODER, program_.file("cv.dat"));
  desktop_->videoFolder = QString::fromStdString(videos_.path());
}

WindowTest::~WindowTest() {
  CloseWindow();
  TheJobList().freeAll();
}

ZozDlg& WindowTest::OpenWindow() {
  CloseWindow();
  WindowOptions options;
  options.programFolder = program_.path();
  options.userConfigFolder = user_.file("config");
  window_ = std::make_unique<ZozDlg>(options, ScriptedServices(desktop_));
  return *window_;
}

void WindowTest::CloseWindow() {
  if (!window_) return;
  window_->close();
  window_.reset();
}

void WindowTest::UseEncoder(const std::string& program) { Link(program, program_.file("cv.dat")); }

void WindowTest::Click(int controlId) {
  QWidget* target = window_->control(controlId);
  ASSERT_NE(target, nullptr) << controlId;
  const QPointF centre = QRectF(target->rect()).center();
  QMouseEvent press(QEvent::MouseButtonPress, centre, target->mapToGlobal(centre), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, centre, target->mapToGlobal(centre), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &press);
  QCoreApplication::sendEvent(target, &release);
}

void WindowTest::ClickRow(int row) {
  QTreeWidget* list = window_->jobListView();
  window_->show();
  QWidget* viewport = list->viewport();
  const QPoint where = row < 0 ? QPoint(10, viewport->height() - 5)
                               : list->visualItemRect(list->topLevelItem(row)).center();
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(where), viewport->mapToGlobal(QPointF(where)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(where), viewport->mapToGlobal(QPointF(where)),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(viewport, &press);
  QCoreApplication::sendEvent(viewport, &release);
}

void WindowTest::Drop(const QStringList& paths) {
  QMimeData files;
  QList<QUrl> urls;
  for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
  files.setUrls(urls);
  const QPoint where(200, 200);
  QDragEnterEvent enter(where, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window_.get(), &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(where), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window_.get(), &drop);
}

std::string WindowTest::Row(int row, int column) const {
  QTreeWidgetItem* item = window_->jobListView()->topLevelItem(row);
  return item == nullptr ? "<no row>" : item->text(column).toStdString();
}

int WindowTest::Rows() const { return window_->jobListView()->topLevelItemCount(); }

std::string WindowTest::Clip(const std::string& name, double seconds, const ScratchFolder* folder) {
  const std::string path = (folder != nullptr ? *folder : media_).file(name);
  EXPECT_TRUE(MakeClip(path, seconds)) << path;
  return path;
}

}  // namespace orva::test
