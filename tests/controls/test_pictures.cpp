#include <gtest/gtest.h>

#include <QImage>

#include "controls/draw_text_format.h"
#include "controls/picture_filters.h"
#include "controls/skin_images.h"

namespace orva {
namespace {

// The test picture 10001 is 45 x 45 with its left 20 columns in (200, 0, 0).
TEST(SkinImages, RendersAtTheCatalogueSizeTimesTheRatio) {
  const QImage single = RenderSkinImage(kImgAddFile, 1.0);
  ASSERT_EQ(single.size(), QSize(45, 45));
  EXPECT_EQ(single.pixel(19, 10), qRgb(200, 0, 0));
  EXPECT_EQ(qAlpha(single.pixel(20, 10)), 0);

  const QImage fractional = RenderSkinImage(kImgAddFile, 1.25);
  EXPECT_EQ(fractional.size(), QSize(57, 57));
}

TEST(SkinImages, UnknownIdIsNull) {
  EXPECT_TRUE(RenderSkinImage(12345, 1.0).isNull());
  EXPECT_EQ(SkinImageSize(kImgClose), QSize(18, 19));
}

QRgb Straight(const QImage& image, int x) {
  return image.convertToFormat(QImage::Format_ARGB32).pixel(x, 0);
}

TEST(PictureFilters, OnlyExactlyTheKeyColourTurnsTransparent) {
  QImage image(3, 1, QImage::Format_ARGB32);
  image.setPixel(0, 0, qRgb(238, 148, 20));
  image.setPixel(1, 0, qRgb(238, 148, 21));
  image.setPixel(2, 0, qRgb(238, 148, 20));
  const QImage keyed = WithKeyTransparent(image, QColor(238, 148, 20));
  EXPECT_EQ(qAlpha(Straight(keyed, 0)), 0);
  EXPECT_EQ(Straight(keyed, 1), qRgb(238, 148, 21));

  // No colour given: the top-left pixel names the key.
  image.setPixel(0, 0, qRgb(238, 148, 21));
  const QImage byCorner = WithKeyTransparent(image, QColor());
  EXPECT_EQ(qAlpha(Straight(byCorner, 1)), 0);
  EXPECT_EQ(Straight(byCorner, 2), qRgb(238, 148, 20));
}

TEST(DrawTextFormat, LabelFormatsOfTheWindow) {
  EXPECT_EQ(QtTextFlags(kTextVCenterSingleLine), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine);
  EXPECT_EQ(QtTextFlags(kTextCentred), Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine);
  EXPECT_EQ(QtTextFlags(kTextRightVCenter), Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine);
  EXPECT_EQ(QtTextFlags(kTextRight), Qt::AlignRight | Qt::AlignTop);
  // Vertical placement needs a single line; word wrap only applies without it.
  EXPECT_EQ(QtTextFlags(0x04 | 0x10), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
  EXPECT_EQ(QtTextFlags(0x08 | 0x20), Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine);
}

}  // namespace
}  // namespace orva
