// The style of the standard widgets on the window (the job list, the two
// combo boxes, menus) and of the small dialogs, in the skin's colours.
#pragma once

#include <QString>

namespace orva {

QString SkinWindowStyleSheet();
QString SkinDialogStyleSheet();

}  // namespace orva
