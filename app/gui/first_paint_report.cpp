#include "app/gui/first_paint_report.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace orva {

void ReportFirstPaintOnce() {
  static bool reported = false;
  if (reported) return;
  reported = true;
  const char* mode = std::getenv("ORVA_REPORT_FIRST_PAINT");
  if (mode == nullptr) return;
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  std::fprintf(stderr, "first-paint-monotonic-ns %lld\n",
               static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
  if (std::strcmp(mode, "quit") == 0) QTimer::singleShot(0, [] { QCoreApplication::quit(); });
}

}  // namespace orva
