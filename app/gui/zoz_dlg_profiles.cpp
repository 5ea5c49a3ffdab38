// The profile in use: the combo's summary, the profile menu and the Edit
// Profile dialog.
#include <QMenu>

#include "app/gui/zoz_dlg.h"
#include "controls/read_only_combo_box.h"
#include "profiles/gui/profile_dlg.h"
#include "profiles/gui/profile_menu.h"
#include "profiles/profile_selection.h"

namespace orva {

void ZozDlg::SetUpProfileCombo() {
  // A click on the combo opens the profile menu instead of the combo's list.
  profileCombo_->setClickHandler([this] {
    ShowProfileMenu();
    return 0;
  });
  RefreshProfileSummary();
}

void ZozDlg::RefreshProfileSummary() {
  char summary[kSummaryCapacity];
  FormatProfileSummary(*currentProfile, summary);
  profileCombo_->ShowOnly(QString::fromUtf8(summary));
}

// Opens upward from the combo's top-left corner.
void ZozDlg::ShowProfileMenu() {
  if (IsConverting()) return;
  MarkCurrentCategory(*profileMenu_);
  const QPoint corner = profileCombo_->mapToGlobal(QPoint(0, 0));
  profileMenu_->popup(corner - QPoint(0, profileMenu_->sizeHint().height()));
}

void ZozDlg::SelectProfileById(int id) {
  if (IsConverting()) return;
  Profile* chosen = ProfileFromMenuId(id);
  if (chosen == nullptr || chosen == currentProfile) return;
  currentProfile = chosen;
  SaveProfileChoice(startup_.profilePath.c_str(), id);
  RefreshAllRows();
  RefreshProfileSummary();
}

void ZozDlg::OnEditProfile() {
  if (IsConverting()) return;
  CProfileDlg dialog(this);
  dialog.exec();
  RefreshAllRows();
  RefreshProfileSummary();
}

}  // namespace orva
