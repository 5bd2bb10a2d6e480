// The UI platform in one include: value types, text, and everything the display library
// draws with (device contexts, pens, brushes, fonts, bitmaps, PNG export). Library and
// application code include this rather than the single headers.
#pragma once

#include "platform/afxgdi.h"
#include "platform/afxstr.h"
#include "platform/afxtypes.h"

#include "platform/CBitmap.h"
#include "platform/CBrush.h"
#include "platform/CDC.h"
#include "platform/CFont.h"
#include "platform/CGdiObject.h"
#include "platform/CPen.h"
#include "platform/PixelSurface.h"
#include "platform/PngExport.h"
#include "platform/StockObjects.h"
