// Saves a picture of one X11 window (by id) and says how many colours it
// shows, and how many inside one area of it, so a test can tell a drawn
// window from a blank one.
//   screen_grab <window-id> <output.png> [x y width height]
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <cstdio>
#include <cstdlib>

long long CountColours(const QImage& picture, const QRect& area) {
  QSet<QRgb> colours;
  const QRect inside = area & picture.rect();
  for (int y = inside.top(); y <= inside.bottom(); y += 2) {
    for (int x = inside.left(); x <= inside.right(); x += 2) colours.insert(picture.pixel(x, y));
  }
  return colours.size();
}

int main(int argc, char** argv) {
  if (argc != 3 && argc != 7) {
    std::fprintf(stderr, "usage: screen_grab <window-id> <output.png> [x y width height]\n");
    return 2;
  }
  QGuiApplication application(argc, argv);
  bool ok = false;
  const WId window = QString::fromLatin1(argv[1]).toULongLong(&ok, 0);
  if (!ok) return 2;
  const QImage picture = QGuiApplication::primaryScreen()->grabWindow(window).toImage();
  if (picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[2]))) return 1;
  std::printf("size %dx%d colours %lld", picture.width(), picture.height(), CountColours(picture, picture.rect()));
  if (argc == 7) {
    const QRect area(atoi(argv[3]), atoi(argv[4]), atoi(argv[5]), atoi(argv[6]));
    std::printf(" area-colours %lld", CountColours(picture, area));
  }
  std::printf("\n");
  return 0;
}
