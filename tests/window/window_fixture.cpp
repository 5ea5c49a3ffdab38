#include "window_fixture.h"

#include <QCoreApplication>
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
