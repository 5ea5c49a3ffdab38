// The profile menu: one submenu per category, one item per profile, each
// item carrying the profile's menu id as its data.
#pragma once

#include <functional>
#include <string>

class QMenu;
class QWidget;

namespace orva {

// Builds the menu once, then restores the saved profile choice from
// `profileFilePath`. Choosing an item calls `onChoose` with its menu id.
QMenu* BuildProfileMenu(QWidget* owner, const std::string& profileFilePath,
                        const std::function<void(int)>& onChoose);

// Shows the category of the profile in use as the menu's default (bold) item.
void MarkCurrentCategory(QMenu& menu);

}  // namespace orva
