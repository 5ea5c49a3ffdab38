// The captions that sit on the background artwork: beside the toolbar
// buttons, the hint in the empty job list, the trim times, the bottom bar and
// the words of the Browse, Open, Home and Help buttons. The window draws them so that they read in the user's language; the
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
  bool onButton;  // the word of a button picture: above the button, clicks pass to it
};

constexpr QRgb kCaptionColour = 0xFF9AA3B2;
constexpr QRgb kHintColour = 0xFF7D8697;
constexpr QRgb kButtonTextColour = 0xFFE6E9EF;

// Each caption ends before the next control of its row.
constexpr SkinCaption kSkinCaptions[] = {
    {IDC_CAPTION_ADD_FILES, QT_TRANSLATE_NOOP("WindowText", "Add Files"), 84, 44, 78, 18, 12, kTextVCenterSingleLine, kCaptionColour, false},
    {IDC_CAPTION_DELETE, QT_TRANSLATE_NOOP("WindowText", "Delete"), 216, 44, 50, 18, 12, kTextVCenterSingleLine, kCaptionColour, false},
    {IDC_CAPTION_CLEAR, QT_TRANSLATE_NOOP("WindowText", "Clear"), 320, 44, 48, 18, 12, kTextVCenterSingleLine, kCaptionColour, false},
    {IDC_CAPTION_EDIT_PROFILE, QT_TRANSLATE_NOOP("WindowText", "Edit Profile"), 422, 44, 200, 18, 12, kTextVCenterSingleLine, kCaptionColour, false},
    {IDC_DROP_HINT, QT_TRANSLATE_NOOP("WindowText", "Drop video or audio files here"), 13, 272, 451, 18, 13, kTextCentred, kCaptionColour, false},
    {IDC_DROP_HINT_MORE, QT_TRANSLATE_NOOP("WindowText", "or use Add Files to pick them"), 13, 294, 451, 15, 11, kTextCentred, kHintColour, false},
    {IDC_SKIN_BEGIN, QT_TRANSLATE_NOOP("WindowText", "Begin:"), 477, 387, 66, 15, 11, kTextRightVCenter, kCaptionColour, false},
    {IDC_SKIN_END, QT_TRANSLATE_NOOP("WindowText", "End:"), 614, 386, 69, 15, 11, kTextRightVCenter, kCaptionColour, false},
    {IDC_SKIN_PROFILE, QT_TRANSLATE_NOOP("WindowText", "Profile:"), 2, 466, 75, 16, 11, kTextRightVCenter, kCaptionColour, false},
    {IDC_SKIN_DESTINATION, QT_TRANSLATE_NOOP("WindowText", "Destination:"), 2, 496, 75, 16, 11, kTextRightVCenter, kCaptionColour, false},
    {IDC_CAPTION_BROWSE, QT_TRANSLATE_NOOP("WindowText", "Browse"), 492, 489, 47, 25, 11, kTextVCenterSingleLine, kButtonTextColour, true},
    {IDC_CAPTION_OPEN, QT_TRANSLATE_NOOP("WindowText", "Open"), 580, 489, 45, 25, 11, kTextVCenterSingleLine, kButtonTextColour, true},
    {IDC_CAPTION_HOME, QT_TRANSLATE_NOOP("WindowText", "Home"), 646, 44, 57, 18, 11, kTextCentred, kCaptionColour, true},
    {IDC_CAPTION_HELP, QT_TRANSLATE_NOOP("WindowText", "Help"), 707, 44, 45, 18, 11, kTextCentred, kCaptionColour, true},
};

}  // namespace

void ZozDlg::AddSkinCaptions() {
  for (const SkinCaption& caption : kSkinCaptions) {
    CwxStatic* label = AddLabel(caption.id, ShownText(caption.text), caption.format);
    label->SetFontHeight(caption.fontPixels);
    label->SetTextColor(QColor::fromRgb(caption.colour));
    label->setGeometry(caption.x, caption.y, caption.width, caption.height);
    // A word of a button lies above it; the other captions lie under every
    // control, so the job list covers the hint once it has rows.
    if (caption.onButton) label->raise();
    else label->lower();
    // Clicks reach what lies beneath: the button, or the window, which drags.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
}

}  // namespace orva
