// Text placement flags in the classic DrawText encoding that the window's
// label table uses (0x01 centre, 0x02 right, 0x04 vertical centre, 0x08
// bottom, 0x10 word wrap, 0x20 single line), turned into Qt's terms.
#pragma once

namespace orva {

constexpr int kTextVCenterSingleLine = 0x24;  // the labels' default
constexpr int kTextCentred = 0x25;
constexpr int kTextRightVCenter = 0x26;
constexpr int kTextRight = 0x02;

// Qt::Alignment and Qt::TextFlag bits for QPainter::drawText. Vertical
// centring and bottom alignment apply to single-line text only, as in the
// classic encoding; other text starts at the top.
int QtTextFlags(int drawTextFlags);

}  // namespace orva
