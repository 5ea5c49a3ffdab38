#include "controls/skin_images.h"

#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace orva {
namespace {

struct CatalogueEntry {
  int id;
  int width;
  int height;
};

constexpr CatalogueEntry kCatalogue[] = {
    {kImgBackground, 770, 550}, {kImgAddFile, 45, 45},       {kImgDelete, 45, 45},
    {kImgClear, 45, 45},        {kImgEditProfile, 45, 45},   {kImgBrowse, 72, 25},
    {kImgOpen, 72, 25},         {kImgStopConvert, 81, 81},   {kImgConvert, 81, 81},
    {kImgPlay, 48, 48},         {kImgPause, 48, 48},         {kImgStopPlay, 22, 22},
    {kImgMinimise, 19, 19},     {kImgClose, 18, 19},         {kImgHelp, 33, 18},
    {kImgHome, 41, 15},         {kImgSeekChannel, 251, 8},   {kImgSeekActive, 251, 8},
    {kImgVolumeChannel, 46, 5}, {kImgVolumeActive, 46, 5},
};

}  // namespace

QSize SkinImageSize(int id) {
  for (const CatalogueEntry& entry : kCatalogue) {
    if (entry.id == id) return QSize(entry.width, entry.height);
  }
  return QSize();
}

QImage RenderSkinImage(int id, qreal devicePixelRatio) {
  const QSize size = SkinImageSize(id);
  if (!size.isValid() || !(devicePixelRatio > 0)) return QImage();
  QSvgRenderer renderer(QStringLiteral(":/skin/%1.svg").arg(id));
  if (!renderer.isValid()) return QImage();

  // Whole device pixels, so a fractional ratio never crops the last column.
  const QSize pixels(static_cast<int>(std::ceil(size.width() * devicePixelRatio)),
                     static_cast<int>(std::ceil(size.height() * devicePixelRatio)));
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
  painter.end();
  image.setDevicePixelRatio(devicePixelRatio);
  return image;
}

}  // namespace orva
