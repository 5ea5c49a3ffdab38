// The style of the standard widgets on the window (the job list, the two
// combo boxes, menus) and of the small dialogs, in the skin's colours.
#pragma once

#include <QPalette>
#include <QString>

namespace orva {

QString SkinWindowStyleSheet();
QString SkinDialogStyleSheet();

// The skin's colours as a palette: message boxes, questions and the file and
// folder dialogs take it from the application and look like the window.
QPalette SkinPalette();
void UseSkinPaletteForAllWindows();

}  // namespace orva
