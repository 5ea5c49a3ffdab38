#include "resources/skin_paths.h"

namespace orva {

QString SkinPicturePath(int imageId) { return QStringLiteral(":/skin/%1.svg").arg(imageId); }

QString ProgramIconPath() { return QStringLiteral(":/icons/orva-video-converter.svg"); }

}  // namespace orva
