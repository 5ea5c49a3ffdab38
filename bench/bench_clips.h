// What the window benchmarks share: short clips to add, and medians.
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace orva::bench {

// `count` copies of one clip of `seconds` (320x240 MPEG-4 video with AAC
// sound) in `folder`, their paths in `paths`.
inline bool MakeClips(const QString& folder, int count, int seconds, QStringList& paths) {
  const std::string first = (folder + "/clip0.mp4").toStdString();
  const std::string length = std::to_string(seconds);
  const std::string make = "ffmpeg -v error -y -f lavfi -i testsrc=size=320x240:rate=25:duration=" + length +
                           " -f lavfi -i sine=duration=" + length + " -c:v mpeg4 -c:a aac -shortest '" + first + "'";
  if (std::system(make.c_str()) != 0) return false;
  for (int i = 0; i < count; ++i) {
    const QString path = folder + QStringLiteral("/clip%1.mp4").arg(i);
    if (i > 0 && !QFile::copy(QString::fromStdString(first), path)) return false;
    paths << path;
  }
  return true;
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace orva::bench
