// The menu of the window's body: About, and how many jobs convert at once.
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QMenu>

#include "app/conversions_choice.h"
#include "app/gui/window_text.h"
#include "app/gui/zoz_dlg.h"
#include "app/string_table.h"

namespace orva {

void ZozDlg::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  const QString about = WindowString(kStrAboutMenu);
  if (!about.isEmpty()) menu.addAction(about, this, Command(&ZozDlg::ShowAboutBox));
  AddConversionsMenu(menu);
  menu.exec(event->globalPos());
}

// One choice is checked: the one the next Convert uses.
void ZozDlg::AddConversionsMenu(QMenu& menu) {
  QMenu* choices = menu.addMenu(WindowText::tr("Conversions at once"));
  auto* group = new QActionGroup(choices);
  for (int choice : kConversionsChoices) {
    const QString text = choice == kAutomaticConversions ? WindowText::tr("Automatic") : QString::number(choice);
    QAction* action = choices->addAction(text, this, Command([this, choice] { ChooseConversionsAtOnce(choice); }));
    action->setCheckable(true);
    action->setChecked(choice == conversionsChoice_);
    group->addAction(action);
  }
}

void ZozDlg::ChooseConversionsAtOnce(int choice) {
  if (choice == conversionsChoice_) return;
  conversionsChoice_ = choice;
  WriteConversionsChoice(startup_.conversionsPath, choice);
}

}  // namespace orva
