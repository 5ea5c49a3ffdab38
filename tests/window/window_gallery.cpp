// Takes the README's pictures of the program on an X server: the window in
// its states and each dialog it opens, driven as a user drives them, in the
// language of the locale.
//   window_gallery <program-folder> <media-folder> <output-folder>
// The media folder holds holiday-clip.mp4, concert.mp4, interview.mp4, a
// silent screen-recording.mp4, clip-NN.mp4 links and a FIFO
// (still-copying.mp4) that keeps the probe waiting.
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <cstdio>
#include <cstring>
#include <functional>

#include "app/gui/window_text.h"
#include "app/gui/zoz_dlg.h"
#include "app/string_table.h"
#include "engine/tool_runner.h"
#include "profiles/catalogue.h"
#include "profiles/gui/profile_dlg.h"
#include "profiles/profile_selection.h"

namespace {

using orva::ZozDlg;

QString gOutput;
QString gMedia;

void Pump(int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < milliseconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(5);
  }
}

bool WaitFor(const std::function<bool()>& done, int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > milliseconds) return false;
    Pump(20);
  }
  return true;
}

void Save(const QRect& area, const char* name) {
  const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
  const QString path = gOutput + "/" + name + ".png";
  std::printf("%s %s\n", shot.save(path) ? "wrote" : "could not write", qPrintable(path));
}

void Shoot(const ZozDlg& window, const char* name) {
  Pump(400);
  Save(window.frameGeometry(), name);
}

// Runs `open` (which shows a modal dialog and returns when it closes); once
// the dialog is up, pictures it and closes it as Esc would.
void ShootModal(const char* name, int settleMs, const std::function<void()>& open) {
  QTimer::singleShot(0, [name, settleMs] {
    WaitFor([] { return QApplication::activeModalWidget() != nullptr; }, 10000);
    Pump(settleMs);
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    Save(dialog->frameGeometry(), name);
    dialog->reject();
  });
  open();
  Pump(200);
}

QString Media(const char* name) { return gMedia + "/" + name; }

int ProfileIdNamed(const char* name) {
  for (int c = 0; c < orva::kCategoryCount; ++c) {
    const orva::ProfileCategory& category = orva::CategoryTable()[c];
    for (int s = 0; s < category.profileCount; ++s) {
      if (std::strcmp(category.profiles[s]->name, name) == 0) return orva::profileMenuId(*category.profiles[s]);
    }
  }
  std::fprintf(stderr, "no profile named %s\n", name);
  return 0;
}

bool Idle(const ZozDlg& window) { return (window.uiState() & orva::kUiConverting) == 0; }

// The row shows some share written.
bool RowConverting(const ZozDlg& window, int row) {
  const QString status = window.jobListView()->topLevelItem(row)->text(3);
  return status.endsWith('%') && status != QStringLiteral("00.00%");
}

void SendKey(QWidget* target, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &press);
}

// The window's own menu, opened by a right click on its body, with the
// choice of conversions at once open beside it.
void ShootConversionsMenu(ZozDlg& window) {
  QTimer::singleShot(0, [&window] {
    WaitFor([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr; }, 5000);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return;
    menu->setActiveAction(menu->actions().back());
    SendKey(menu, Qt::Key_Right);
    Shoot(window, "conversions-menu");
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  });
  const QPoint where(300, 16);
  QContextMenuEvent click(QContextMenuEvent::Mouse, where, window.mapToGlobal(where));
  QCoreApplication::sendEvent(&window, &click);
  Pump(200);
}

void TakeMainWindowPictures(ZozDlg& window) {
  window.AddDroppedFiles({Media("holiday-clip.mp4"), Media("interview.mp4")});
  // The first clip's paused first frame in the preview area.
  WaitFor([&window] { return window.preview().loaded(); }, 10000);
  Pump(1500);
  Shoot(window, "main-idle");

  // One job at a time: the running job's own figures.
  window.ChooseConversionsAtOnce(1);
  window.OnConvert();
  WaitFor([&window] { return RowConverting(window, 0); }, 30000);
  Pump(2500);
  Shoot(window, "main-converting");
  window.OnStopConvert();
  WaitFor([&window] { return Idle(window); }, 20000);

  // Two at once: each row its own share, the bottom line the batch's.
  window.OnClear();
  window.ChooseConversionsAtOnce(2);
  window.AddDroppedFiles({Media("holiday-clip.mp4"), Media("concert.mp4"), Media("interview.mp4")});
  window.OnConvert();
  WaitFor([&window] { return RowConverting(window, 0) && RowConverting(window, 1); }, 30000);
  Pump(2500);
  Shoot(window, "main-two-at-once");
  window.OnStopConvert();
  WaitFor([&window] { return Idle(window); }, 20000);
  window.ChooseConversionsAtOnce(orva::kAutomaticConversions);

  // An audio profile for a recording without sound: the job fails and its
  // status tooltip says why.
  window.OnClear();
  window.SelectProfileById(ProfileIdNamed("MP3 - MPEG Layer-3 Audio"));
  window.AddDroppedFiles({Media("screen-recording.mp4"), Media("interview.mp4")});
  window.OnConvert();
  WaitFor([&window] { return Idle(window); }, 60000);
  QTreeWidget& list = *window.jobListView();
  const QRect cell = list.visualItemRect(list.topLevelItem(0));
  const QPoint where(list.header()->sectionViewportPosition(3) + 10, cell.center().y());
  QToolTip::showText(list.viewport()->mapToGlobal(where), list.topLevelItem(0)->toolTip(3), list.viewport());
  Shoot(window, "main-failed");
  QToolTip::hideText();

  // The profile menu, opened on the profile line, with a category open.
  window.SelectProfileById(ProfileIdNamed("HD - H.264 Video"));
  window.ShowProfileMenu();
  QMenu& menu = *window.profileMenu();
  WaitFor([&menu] { return menu.isVisible(); }, 5000);
  menu.setActiveAction(menu.actions()[orva::currentProfile->category->categoryIndex]);
  SendKey(&menu, Qt::Key_Right);
  Shoot(window, "profile-menu");
  menu.hide();
  Pump(200);

  QStringList many;
  for (int i = 1; i <= 28; ++i) many << Media(qPrintable(QStringLiteral("clip-%1.mp4").arg(i, 2, 10, QChar('0'))));
  window.AddDroppedFiles(many);
  Shoot(window, "main-30-rows");
  ShootConversionsMenu(window);
}

void TakeDialogPictures(ZozDlg& window, const orva::WindowServices& services) {
  ShootModal("edit-profile-video", 300, [&window] { window.OnEditProfile(); });
  window.SelectProfileById(ProfileIdNamed("M4A - MPEG-4 Audio"));
  ShootModal("edit-profile-audio", 300, [&window] { window.OnEditProfile(); });

  // A file still being copied keeps the probe waiting: the wait box counts.
  window.OnClear();
  ShootModal("wait-box", 2600, [&window] { window.AddDroppedFiles({Media("still-copying.mp4")}); });

  ShootModal("question", 300, [&window, &services] {
    services.askYesNo(&window, orva::WindowString(orva::kStrStopFirst), orva::ShownText("!Waring!"), true);
  });
  ShootModal("trim-question", 300, [&window, &services] {
    services.askYesNo(&window, orva::WindowString(orva::kStrSetBegin), orva::ShownText("Set Begin Time"), false);
  });
  ShootModal("about", 300, [&window] { window.ShowAboutBox(); });
  ShootModal("folder-dialog", 800, [&window] { window.OnBrowse(); });
  ShootModal("file-dialog", 800, [&window] { window.OnAddFiles(); });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: window_gallery <program-folder> <media-folder> <output-folder>\n");
    return 2;
  }
  QApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
  QApplication application(argc, argv);
  // The pictures speak the language of the locale, as the program does.
  orva::InstallWindowTranslation();
  orva::InstallToolkitTranslation();
  gMedia = QString::fromLocal8Bit(argv[2]);
  gOutput = QString::fromLocal8Bit(argv[3]);
  orva::SetUpCatalogue();
  orva::SetMessageDispatcher([] { QCoreApplication::processEvents(); });

  orva::WindowOptions options;
  options.programFolder = argv[1];
  options.userConfigFolder = std::string(argv[1]) + "/config";
  const orva::WindowServices services = orva::DesktopServices();
  ZozDlg window(options, services);
  window.move(40, 40);
  window.show();
  WaitFor([&window] { return window.isVisible(); }, 5000);
  Pump(1000);

  TakeMainWindowPictures(window);
  TakeDialogPictures(window, services);
  window.OnClear();
  orva::SetMessageDispatcher(nullptr);
  return 0;
}
