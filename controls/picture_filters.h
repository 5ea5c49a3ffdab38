// Pixel transformations that derive the controls' state pictures from a
// skin picture. Each keeps the size, the device pixel ratio and the alpha.
#pragma once

#include <QColor>
#include <QImage>

namespace orva {

// Hover look: red, green and blue each times 1.05 plus 0.05 of full scale.
QImage Brightened(const QImage& image);

// Disabled look: each colour channel becomes 0.3 R + 0.59 G + 0.11 B.
QImage Greyed(const QImage& image);

// Opaque pixels of exactly `key` become fully transparent. An invalid
// `key` means the colour of the top-left pixel.
QImage WithKeyTransparent(const QImage& image, const QColor& key);

}  // namespace orva
