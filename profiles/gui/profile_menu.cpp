#include "profiles/gui/profile_menu.h"

#include <QMenu>

#include "profiles/catalogue.h"
#include "profiles/profile_selection.h"

namespace orva {

QMenu* BuildProfileMenu(QWidget* owner, const std::string& profileFilePath,
                        const std::function<void(int)>& onChoose) {
  auto* menu = new QMenu(owner);
  ProfileCategory* categories = CategoryTable();
  for (int c = 0; c < kCategoryCount; ++c) {
    const ProfileCategory& category = categories[c];
    QMenu* submenu = menu->addMenu(QString::fromUtf8(category.name));
    for (int slot = 0; slot < category.profileCount; ++slot) {
      const Profile& profile = *category.profiles[slot];
      QAction* item = submenu->addAction(QString::fromUtf8(profile.name));
      const int id = profileMenuId(profile);
      item->setData(id);
      QObject::connect(item, &QAction::triggered, menu, [onChoose, id] { onChoose(id); });
    }
  }
  RestoreSavedProfile(profileFilePath.c_str());
  return menu;
}

void MarkCurrentCategory(QMenu& menu) {
  const QList<QAction*> items = menu.actions();
  const int position = currentProfile->category->categoryIndex;
  if (position >= 0 && position < items.size()) menu.setDefaultAction(items[position]);
}

}  // namespace orva
