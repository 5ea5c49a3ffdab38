#include "controls/draw_text_format.h"

#include <Qt>

namespace orva {
namespace {

constexpr int kCenter = 0x01;
constexpr int kRight = 0x02;
constexpr int kVCenter = 0x04;
constexpr int kBottom = 0x08;
constexpr int kWordBreak = 0x10;
constexpr int kSingleLine = 0x20;

int Horizontal(int flags) {
  if (flags & kCenter) return Qt::AlignHCenter;
  if (flags & kRight) return Qt::AlignRight;
  return Qt::AlignLeft;
}

int Vertical(int flags) {
  if (!(flags & kSingleLine)) return Qt::AlignTop;
  if (flags & kVCenter) return Qt::AlignVCenter;
  if (flags & kBottom) return Qt::AlignBottom;
  return Qt::AlignTop;
}

}  // namespace

int QtTextFlags(int drawTextFlags) {
  int flags = Horizontal(drawTextFlags) | Vertical(drawTextFlags);
  if (drawTextFlags & kSingleLine) flags |= Qt::TextSingleLine;
  else if (drawTextFlags & kWordBreak) flags |= Qt::TextWordWrap;
  return flags;
}

}  // namespace orva
