// The stock drawing objects every device context starts with and SelectStockObject hands
// out: white/grey/black/hollow brushes, white/black/null pens and the system fonts, plus
// the 1 x 1 bitmap a new memory DC holds before a bitmap is selected. Made on first use,
// kept until the process ends, never deleted.
#pragma once

#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"

class StockObjects {
 public:
  // The stock object with that identifier (WHITE_BRUSH ... DEFAULT_GUI_FONT), or null for
  // an unknown one. A stock font that no installed font can serve is returned uncreated.
  static CGdiObject* get(int id);
  static CPen* pen(int id);
  static CBrush* brush(int id);
  static CFont* font(int id);
  static CBitmap* memoryDcBitmap();
};
