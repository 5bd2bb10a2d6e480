#include "resources/TopoResources.h"

void addTopoResources(ResourceModule& module) {
  module.addMenu({IDR_MENU_CONTOURMAP,
                  {MenuItemTemplate::popupOf(L"ContourMap",
                                             {MenuItemTemplate::command(L"Set Bad Sensor", ID_CONTOURMAP_SETBADSENSOR),
                                              MenuItemTemplate::command(L"Switch Selection", ID_CONTOURMAP_SWITCHSELECTION),
                                              MenuItemTemplate::command(L"Clean Selection", ID_CONTOURMAP_CLEANSELECTION),
                                              MenuItemTemplate::command(L"Switch Visibility",
                                                                        ID_CONTOURMAP_SWITCHVISIBILITY)})}});
}
