// The bundled artwork: every picture loads at its catalogue size, the window
// shape's key colour stays in the corners, and the slider channels keep their
// transparent colour crisp so the slider can mask it out exactly.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>

#include "resources/skin_paths.h"

namespace {

struct Picture {
  int id;
  int width;
  int height;
};

constexpr Picture kCatalogue[] = {
    {10000, 770, 550}, {10001, 45, 45}, {10002, 45, 45}, {10003, 45, 45}, {10005, 45, 45},
    {10006, 72, 25},   {10007, 72, 25}, {10008, 81, 81}, {10009, 81, 81}, {10010, 48, 48},
    {10011, 48, 48},   {10012, 22, 22}, {10013, 19, 19}, {10014, 18, 19}, {10021, 33, 18},
    {10022, 41, 15},   {15002, 251, 8}, {15003, 251, 8}, {15004, 46, 5},  {15005, 46, 5},
};

QImage Render(const QString& path, int scale) {
  QSvgRenderer renderer(path);
  QImage image(renderer.defaultSize() * scale, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

bool Same(QRgb a, QRgb b) { return (a & 0xffffff) == (b & 0xffffff); }

TEST(Skin, EveryPictureLoadsAtItsCatalogueSize) {
  for (const Picture& p : kCatalogue) {
    QSvgRenderer renderer(orva::SkinPicturePath(p.id));
    ASSERT_TRUE(renderer.isValid()) << p.id;
    EXPECT_EQ(renderer.defaultSize(), QSize(p.width, p.height)) << p.id;
  }
  QSvgRenderer icon(orva::ProgramIconPath());
  ASSERT_TRUE(icon.isValid());
  EXPECT_EQ(icon.defaultSize().width(), icon.defaultSize().height());
}

TEST(Skin, KeyColourFillsOnlyTheFourCornersWithoutBlends) {
  const QRgb key = qRgb(175, 220, 226);
  for (int scale : {1, 2}) {
    const QImage bg = Render(orva::SkinPicturePath(10000), scale);
    const int corner = 10 * scale;
    auto isKey = [&](int x, int y) {
      return x >= 0 && y >= 0 && x < bg.width() && y < bg.height() && Same(bg.pixel(x, y), key);
    };
    int keyPixels = 0;
    QSet<QRgb> edgeColours;  // an anti-aliased edge would leave many blend levels here
    for (int y = 0; y < bg.height(); ++y) {
      for (int x = 0; x < bg.width(); ++x) {
        ASSERT_EQ(qAlpha(bg.pixel(x, y)), 255) << x << "," << y;
        if (isKey(x, y)) {
          ++keyPixels;
          const bool inCorner =
              (x < corner || x >= bg.width() - corner) && (y < corner || y >= bg.height() - corner);
          ASSERT_TRUE(inCorner) << "key colour inside the body at " << x << "," << y << " scale " << scale;
        } else if (isKey(x - 1, y) || isKey(x + 1, y) || isKey(x, y - 1) || isKey(x, y + 1)) {
          edgeColours.insert(bg.pixel(x, y));
        }
      }
    }
    EXPECT_GT(keyPixels, 4 * scale * scale) << "the corners are not rounded";
    EXPECT_EQ(edgeColours.size(), 1) << "scale " << scale;
  }
}

TEST(Skin, SliderChannelsHoldOnlyTheTransparentAndTrackColours) {
  struct Channel {
    int id;
    QRgb transparent;
  };
  const Channel channels[] = {{15002, qRgb(238, 148, 20)}, {15003, qRgb(238, 148, 20)},
                              {15004, qRgb(1, 22, 128)},   {15005, qRgb(1, 22, 128)}};
  for (const Channel& ch : channels) {
    for (int scale : {1, 2}) {
      const QImage img = Render(orva::SkinPicturePath(ch.id), scale);
      const QRgb track = img.pixel(img.width() / 2, img.height() / 2);
      ASSERT_FALSE(Same(track, ch.transparent)) << ch.id << ": no track in the middle";
      for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
          const QRgb c = img.pixel(x, y);
          ASSERT_TRUE(Same(c, ch.transparent) || Same(c, track)) << ch.id << " at " << x << "," << y;
        }
      EXPECT_TRUE(Same(img.pixel(0, 0), ch.transparent)) << ch.id;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Rendering text and pictures needs a GUI application but never a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
