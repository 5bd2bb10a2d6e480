// The topographic canvas the flags and contour dialogs hold: paints its off-screen image
// (drawAll) in one block, steps the draw window with the arrow keys, and shows the fixed
// texts when there is nothing to draw. Painting never fails towards the caller.
#pragma once

#include "windows/topo/CStaticSpctmContourMap07Operation.h"

class CStaticSpctmContourMapqv : public CStaticSpctmContourMap07Operation {
 public:
  // Builds the off-screen image for the client rectangle: binding, image and scale (see
  // prepareOffscreenImage), then the content in this order: the flags window's
  // background and patches, or the contour window's display (Fields: background, field
  // image, clip, head outline; Lines: white background in line colour mode 0 (with white
  // as m_crBack while drawing), else m_crBack, then lines, clip, head outline; Both:
  // background, field image, lines, clip, head outline); then the sensor circles, the
  // labels, the current-channel text, the time–frequency text and the colour scale. The
  // radiology forms follow m_pRadiology. 1 when the image was drawn; 0 when the binding,
  // the engine, the channel type or the layout's extent fails.
  int drawAll(CDC* pDC, const CRect& client);

 protected:
  // "No MEG data" without session or trial, "MEG data processing in progress..." while
  // the host computes, else the off-screen image copied to the window in one block.
  void OnPaint() override;
  // Arrow keys step the draw window (stepWindow4Key) and invalidate without erasing; the
  // default handling follows. Dialogs of this platform leave arrow keys to the focused
  // control, so every press reaches this handler once.
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;

 private:
  void drawContourDisplay(CDC* pDC, bool mirrored);
};
