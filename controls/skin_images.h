// The skin's picture catalogue: named ids, their sizes in device-independent
// pixels, and rendering of the SVG artwork bundled under ":/skin/<id>.svg".
#pragma once

#include <QImage>
#include <QSize>

namespace orva {

constexpr int kImgBackground = 10000;
constexpr int kImgAddFile = 10001;
constexpr int kImgDelete = 10002;
constexpr int kImgClear = 10003;
constexpr int kImgEditProfile = 10005;
constexpr int kImgBrowse = 10006;
constexpr int kImgOpen = 10007;
constexpr int kImgStopConvert = 10008;
constexpr int kImgConvert = 10009;
constexpr int kImgPlay = 10010;
constexpr int kImgPause = 10011;
constexpr int kImgStopPlay = 10012;
constexpr int kImgMinimise = 10013;
constexpr int kImgClose = 10014;
constexpr int kImgHelp = 10021;
constexpr int kImgHome = 10022;
constexpr int kImgSeekChannel = 15002;
constexpr int kImgSeekActive = 15003;
constexpr int kImgVolumeChannel = 15004;
constexpr int kImgVolumeActive = 15005;

// The catalogue size of a picture; an invalid size for an unknown id.
QSize SkinImageSize(int id);

// The picture at its catalogue size times `devicePixelRatio`, carrying that
// ratio. A missing or unreadable file, or an unknown id, gives a null image,
// which draws nothing.
QImage RenderSkinImage(int id, qreal devicePixelRatio);

}  // namespace orva
