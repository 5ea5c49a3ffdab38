#include "controls/picture_filters.h"

#include <algorithm>
#include <cmath>

namespace orva {
namespace {

int Channel(double value) { return std::clamp(static_cast<int>(std::lround(value)), 0, 255); }

// Applies `recolour` to every pixel in straight (not premultiplied) form.
template <typename Recolour>
QImage MapPixels(const QImage& image, Recolour recolour) {
  if (image.isNull()) return image;
  QImage straight = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < straight.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(straight.scanLine(y));
    for (int x = 0; x < straight.width(); ++x) line[x] = recolour(line[x]);
  }
  return straight.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

QImage Brightened(const QImage& image) {
  return MapPixels(image, [](QRgb pixel) {
    auto lift = [](int c) { return Channel(c * 1.05 + 0.05 * 255); };
    return qRgba(lift(qRed(pixel)), lift(qGreen(pixel)), lift(qBlue(pixel)), qAlpha(pixel));
  });
}

QImage Greyed(const QImage& image) {
  return MapPixels(image, [](QRgb pixel) {
    const int grey = Channel(0.3 * qRed(pixel) + 0.59 * qGreen(pixel) + 0.11 * qBlue(pixel));
    return qRgba(grey, grey, grey, qAlpha(pixel));
  });
}

QImage WithKeyTransparent(const QImage& image, const QColor& key) {
  if (image.isNull()) return image;
  constexpr QRgb kColourBits = 0x00FFFFFF;
  const QRgb keyRgb = (key.isValid() ? key.rgb() : image.pixel(0, 0)) & kColourBits;
  return MapPixels(image, [keyRgb](QRgb pixel) {
    const bool isKey = qAlpha(pixel) == 255 && (pixel & kColourBits) == keyRgb;
    return isKey ? qRgba(0, 0, 0, 0) : pixel;
  });
}

}  // namespace orva
