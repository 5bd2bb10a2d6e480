// The UI platform in one include: value types, text, everything the display library
// draws with (device contexts, pens, brushes, fonts, bitmaps, PNG export), and its windows,
// dialogs, controls, menus, services, resources, files and archives. Library and
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

#include "platform/afxapp.h"
#include "platform/afxarchive.h"
#include "platform/afxctrl.h"
#include "platform/afxdlg.h"
#include "platform/afxdlgs.h"
#include "platform/afxfile.h"
#include "platform/afxinput.h"
#include "platform/afxmenu.h"
#include "platform/afxmsg.h"
#include "platform/afxpaint.h"
#include "platform/afxres.h"
#include "platform/afxservices.h"
#include "platform/afxwnd.h"
