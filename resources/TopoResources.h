// Resources of the topographic canvas: its context menu (popup "ContourMap") and the
// command numbers of the menu's four items. The canvas loads the menu by number; the
// library's resource module holds it once addTopoResources has run.
#pragma once

#include "platform/ui/Resources.h"

enum : UINT {
  IDR_MENU_CONTOURMAP = 2132,
  ID_CONTOURMAP_SWITCHVISIBILITY = 2122,
  ID_CONTOURMAP_SWITCHSELECTION = 2123,
  ID_CONTOURMAP_SETBADSENSOR = 2124,
  ID_CONTOURMAP_CLEANSELECTION = 2125,
};

// Adds menu 2132 to the module.
void addTopoResources(ResourceModule& module);
