// The platform's one plain, flat look: colours and the small drawing pieces every control
// and window frame is made of (frames, arrow glyphs, check marks, text in a box, scroll
// bars, icons). Internal to the platform; controls call these from their paint step.
// Limits: one look, no themes; text on one line per call.
#pragma once

#include "platform/gdi/CDC.h"
#include "platform/gdi/CFont.h"
#include "platform/ui/Resources.h"

namespace look {

constexpr COLORREF kFace = RGB(240, 240, 240);
constexpr COLORREF kWindow = RGB(255, 255, 255);
constexpr COLORREF kText = RGB(0, 0, 0);
constexpr COLORREF kGrayText = RGB(150, 150, 150);
constexpr COLORREF kFrame = RGB(122, 122, 122);
constexpr COLORREF kButton = RGB(225, 225, 225);
constexpr COLORREF kButtonPushed = RGB(196, 222, 245);
constexpr COLORREF kAccent = RGB(0, 110, 200);
constexpr COLORREF kSelectionText = RGB(255, 255, 255);
constexpr COLORREF kTrack = RGB(232, 232, 232);
constexpr COLORREF kThumb = RGB(172, 172, 172);
constexpr COLORREF kCaption = RGB(60, 78, 104);
constexpr COLORREF kCaptionText = RGB(255, 255, 255);

enum class Arrow { Up, Down, Left, Right };

// The font of dialogs and controls for a template face and size (cached, never freed).
CFont* dialogFont(const CString& face = L"MS Shell Dlg", int pointSize = 8);

// A one-pixel frame in one colour.
void frame(CDC& dc, const CRect& r, COLORREF colour);
// A filled triangle pointing in the given direction, centred in r.
void arrow(CDC& dc, const CRect& r, Arrow direction, COLORREF colour);
// A check mark filling most of the box.
void checkMark(CDC& dc, const CRect& box, COLORREF colour);
// One line of text in r, placed by DT_ flags, transparent background. An "&" marks the
// next letter as the label's access key (drawn underlined, "&&" is one "&"), as in button,
// static and menu labels; text that is data (edits, lists, captions) passes DT_NOPREFIX.
void text(CDC& dc, const CString& s, CRect r, UINT format, COLORREF colour, CFont* font);
// A button face: fill, frame, and a second frame inside when emphasised.
void buttonFace(CDC& dc, const CRect& r, bool pushed, bool emphasised);
// Scroll bar: track, two arrow buttons and the thumb.
void scrollBar(CDC& dc, const CRect& lineLeft, const CRect& lineRight, const CRect& track, const CRect& thumb,
               bool vertical);
// An image resource with its top-left at (x, y); transparent pixels are skipped.
void image(CDC& dc, const ImageResource& img, int x, int y);

}  // namespace look
