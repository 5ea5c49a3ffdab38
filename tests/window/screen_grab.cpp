// Saves a picture of one X11 window (by id) and says how many colours it
// shows, so a test can tell a drawn window from a blank one.
//   screen_grab <window-id> <output.png>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: screen_grab <window-id> <output.png>\n");
    return 2;
  }
  QGuiApplication application(argc, argv);
  bool ok = false;
  const WId window = QString::fromLatin1(argv[1]).toULongLong(&ok, 0);
  if (!ok) return 2;
  const QImage picture = QGuiApplication::primaryScreen()->grabWindow(window).toImage();
  if (picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[2]))) return 1;
  QSet<QRgb> colours;
  for (int y = 0; y < picture.height(); y += 2) {
    for (int x = 0; x < picture.width(); x += 2) colours.insert(picture.pixel(x, y));
  }
  std::printf("size %dx%d colours %lld\n", picture.width(), picture.height(),
              static_cast<long long>(colours.size()));
  return 0;
}
