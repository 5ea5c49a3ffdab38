// The captions that sit on the background artwork: beside the toolbar
// buttons, the hint in the empty job list, the trim times and the bottom
// bar. The window draws them so that they read in the user's language; the
// longest language (German) still fits each place.
#include <QColor>

#include "app/gui/control_ids.h"
#include "app/gui/window_text.h"
#include "app/gui/zoz_dlg.h"
#include "controls/draw_text_format.h"
#include "controls/wx_static.h"

namespace orva {

namespace {

struct SkinCaption {
  int id;
  const char* text;
  int x, y, width, height;
  int fontPixels;
  int format;
  QRgb colour;
};

constexpr QRgb kCaptionColour = 0xFF9AA3B2;
constexpr QRgb kHintColour = 0xFF7D8697;

// Each caption ends before the next control of its row.
constexpr SkinCaption kSkinCaptions[] = {
    {IDC_CAPTION_ADD_FILES, QT_TRANSLATE_NOOP("WindowText", "Add Files"), 84, 44, 78, 18, 12, kTextVCenterSingleLine, kCaptionColour},
    {IDC_CAPTION_DELETE, QT_TRANSLATE_NOOP("WindowText", "Delete"), 216, 44, 50, 18, 12, kTextVCenterSingleLine, kCaptionColour},
    {IDC_CAPTION_CLEAR, QT_TRANSLATE_NOOP("WindowText", "Clear"), 320, 44, 48, 18, 12, kTextVCenterSingleLine, kCaptionColour},
    {IDC_CAPTION_EDIT_PROFILE, QT_TRANSLATE_NOOP("WindowText", "Edit Profile"), 422, 44, 200, 18, 12, kTextVCenterSingleLine, kCaptionColour},
    {IDC_DROP_HINT, QT_TRANSLATE_NOOP("WindowText", "Drop video or audio files here"), 13, 272, 451, 18, 13, kTextCentred, kCaptionColour},
    {IDC_DROP_HINT_MORE, QT_TRANSLATE_NOOP("WindowText", "or use Add Files to pick them"), 13, 294, 451, 15, 11, kTextCentred, kHintColour},
    {IDC_SKIN_BEGIN, QT_TRANSLATE_NOOP("WindowText", "Begin:"), 477, 387, 66, 15, 11, kTextRightVCenter, kCaptionColour},
    {IDC_SKIN_END, QT_TRANSLATE_NOOP("WindowText", "End:"), 614, 386, 69, 15, 11, kTextRightVCenter, kCaptionColour},
    {IDC_SKIN_PROFILE, QT_TRANSLATE_NOOP("WindowText", "Profile:"), 2, 466, 75, 16, 11, kTextRightVCenter, kCaptionColour},
    {IDC_SKIN_DESTINATION, QT_TRANSLATE_NOOP("WindowText", "Destination:"), 2, 496, 75, 16, 11, kTextRightVCenter, kCaptionColour},
};

}  // namespace

void ZozDlg::AddSkinCaptions() {
  for (const SkinCaption& caption : kSkinCaptions) {
    CwxStatic* label = AddLabel(caption.id, ShownText(caption.text), caption.format);
    label->SetFontHeight(caption.fontPixels);
    label->SetTextColor(QColor::fromRgb(caption.colour));
    label->setGeometry(caption.x, caption.y, caption.width, caption.height);
    // Under every other control: the job list covers the hint once it has rows.
    label->lower();
    // Clicks reach the window, which drags it, as on the artwork.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
}

}  // namespace orva
