// Where the bundled artwork lives in Qt's resource system.
#pragma once

#include <QString>

namespace orva {

// ":/skin/<id>.svg" for a picture of the window's image catalogue.
QString SkinPicturePath(int imageId);

// The program icon, square.
QString ProgramIconPath();

}  // namespace orva
