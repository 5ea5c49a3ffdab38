#include "profiles/gui/profile_menu.h"

#include <QMenu>

#include "profiles/catalogue.h"
#include "profiles/profile_selection.h"

namespace orva {

namespace {

// Menu texts treat "&" as the mark of a shortcut letter; names show it as is.
QString MenuText(const char* name) {
  return QString::fromUtf8(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

QMenu* BuildProfileMenu(QWidget* owner, const std::string& profileFilePath,
                        const std::function<void(int)>& onChoose) {
  auto* menu = new QMenu(owner);
  ProfileCategory* categories = CategoryTable();
  for (int c = 0; c < kCategoryCount; ++c) {
    const ProfileCategory& category = categories[c];
    QMenu* submenu = menu->addMenu(MenuText(category.name));
    for (int slot = 0; slot < category.profileCount; ++slot) {
      const Profile& profile = *category.profiles[slot];
      QAction* item = submenu->addAction(MenuText(profile.name));
      const int id = profileMenuId(profile);
      item->setData(id);
      QObject::connect(item, &QAction::triggered, menu, [onChoose, id] { onChoose(id); });
    }
  }
  RestoreSavedProfile(profileFilePath.c_str());
  return menu;
}

// The item's own font draws it bold: the skin's menu style has no look of
// its own for a default item.
void MarkCurrentCategory(QMenu& menu) {
  const QList<QAction*> items = menu.actions();
  const int position = currentProfile->category->categoryIndex;
  for (int i = 0; i < items.size(); ++i) {
    QFont font = menu.font();
    font.setBold(i == position);
    items[i]->setFont(font);
  }
  if (position >= 0 && position < items.size()) menu.setDefaultAction(items[position]);
}

}  // namespace orva
