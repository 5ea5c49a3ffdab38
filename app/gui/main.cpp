// orva-video-converter: the window.
#include "app/gui/zoz_app.h"

int main(int argc, char** argv) {
  orva::ZozApp app(argc, argv);
  return app.Run();
}
