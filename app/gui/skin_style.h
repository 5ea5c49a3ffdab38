// The skin's colours and the style of the standard widgets on the window
// (the job list, the two combo boxes and the small dialogs).
#pragma once

#include <QColor>
#include <QString>

namespace orva {

QColor SkinBodyColour();
QColor SkinTextColour();
QColor SkinAccentColour();

QString SkinWindowStyleSheet();
QString SkinDialogStyleSheet();

}  // namespace orva
