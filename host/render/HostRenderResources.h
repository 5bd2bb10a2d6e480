// Resources of the host rendering services: the template of the frame-size dialog. The
// library joins the process's resource chain when it is loaded, so the dialog is found
// by number like any other; the numbers lie outside the display library's own ranges.
#pragma once

#include "platform/ui/Resources.h"

enum : UINT {
  IDD_MAP_FRAME_SIZE = 3100,        // the frame-size dialog
  IDC_FRAME_STD_PROJECTION = 3101,  // its check box: use the standard projection
  IDC_FRAME_2D_SIZE = 3102,         // its edit: size of the 2-D scan
};

// The library's resource module (the same object on every call).
HINSTANCE hostRenderResources();
