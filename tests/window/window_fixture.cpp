#include "window_fixture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>

#include "app/data_files.h"
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
  services.chooseFiles = [desktop](QWidget* owner) {
    if (desktop->fileDialog) return desktop->fileDialog(owner);
    if (desktop->fileAnswers.empty()) return QStringList();
    QStringList answer = desktop->fileAnswers.front();
    desktop->fileAnswers.pop_front();
    return answer;
  };
  services.askYesNo = [desktop](QWidget*, const QString& text, const QString& caption, bool) {
    desktop->questions.push_back(caption + "|" + text);
    desktop->questionDismissed = false;
    if (desktop->duringQuestion) desktop->duringQuestion();
    if (desktop->questionDismissed || desktop->yesNoAnswers.empty()) return false;
    const bool answer = desktop->yesNoAnswers.front();
    desktop->yesNoAnswers.pop_front();
    return answer;
  };
  services.showMessage = [desktop](QWidget*, const QString& text, const QString& caption) {
    desktop->questions.push_back(caption + "|" + text);
  };
  services.dismissQuestion = [desktop] { desktop->questionDismissed = true; };
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
  Link(ORVA_PROBE, program_.file("pb.dat"));  // the encoder's probe
  Link(ORVA_BATCH_PROBE, program_.file("orva-probe"));  // the add's probe
  Link(ORVA_ENCODER, program_.file("cv.dat"));
  desktop_->videoFolder = QString::fromStdString(videos_.path());
}

WindowTest::~WindowTest() {
  CloseWindow();
  qunsetenv("ORVA_FAKE_PLAYER");
  qunsetenv("ORVA_FAKE_PLAYER_DIR");
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

void WindowTest::UsePlayer(const std::string& script) {
  Link(ORVA_FAKE_PLAYER, program_.file("py.dat"));
  qputenv("ORVA_FAKE_PLAYER", QByteArray::fromStdString(script));
  qputenv("ORVA_FAKE_PLAYER_DIR", QByteArray::fromStdString(player_.path()));
}

std::string WindowTest::PlayerRecord(const std::string& name) const {
  return ReadWholeFile(player_.file(name).c_str()).value_or("");
}

namespace {

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

}  // namespace

void WindowTest::WhenPlayerRecords(const std::string& name, const std::string& text, std::function<void()> clicks) {
  const std::size_t before = Count(PlayerRecord(name), text);
  auto* watch = new QTimer(window_.get());
  watch->setInterval(5);
  QObject::connect(watch, &QTimer::timeout, watch, [this, watch, name, text, before, clicks] {
    if (Count(PlayerRecord(name), text) <= before) return;
    watch->stop();
    watch->deleteLater();
    clicks();
  });
  watch->start();
}

void WindowTest::DuringPlayerStop(std::function<void()> clicks) {
  // A player asked to end before it has set up its slow end would end at
  // once, leaving no wait to click into: the running player must be ready.
  if (window_->preview().loaded()) {
    const std::string ready = "lingering " + std::to_string(window_->preview().playerRunner().process) + "\n";
    EXPECT_TRUE(WaitUntil([&] { return PlayerRecord("lingering").find(ready) != std::string::npos; }, 10000));
  }
  WhenPlayerRecords("asked", "asked", std::move(clicks));
}

void WhileModal(const std::function<void()>& open, const std::function<void(QWidget&)>& inspect) {
  bool seen = false;
  QTimer watch;
  watch.setInterval(20);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible() || seen) return;
    seen = true;
    QCoreApplication::processEvents();
    inspect(*dialog);
    dialog->reject();
  });
  watch.start();
  open();
  watch.stop();
  EXPECT_TRUE(seen) << "no dialog opened";
}

void ClickAt(QWidget* target, const QPointF& where) {
  QMouseEvent press(QEvent::MouseButtonPress, where, target->mapToGlobal(where), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, where, target->mapToGlobal(where), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &press);
  QCoreApplication::sendEvent(target, &release);
}

void WindowTest::Click(int controlId) {
  QWidget* target = window_->control(controlId);
  ASSERT_NE(target, nullptr) << controlId;
  ClickAt(target, QRectF(target->rect()).center());
}

void WindowTest::ClickRow(int row) {
  QTreeWidget* list = window_->jobListView();
  window_->show();
  QWidget* viewport = list->viewport();
  const QPoint where = row < 0 ? QPoint(10, viewport->height() - 5)
                               : list->visualItemRect(list->topLevelItem(row)).center();
  ClickAt(viewport, QPointF(where));
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
