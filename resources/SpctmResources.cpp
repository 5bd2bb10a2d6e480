#include "resources/SpctmResources.h"

#include "resources/MeasureResources.h"
#include "resources/Spctm1CResources.h"
#include "resources/StdSetResources.h"
#include "resources/TopoResources.h"
#include "resources/TopoWindowResources.h"

HINSTANCE spctmResources() {
  static ResourceModule module = [] {
    ResourceModule m(L"spctmshow2d");
    addStdSetResources(m);
    addMeasureResources(m);
    addSpctm1CResources(m);
    addTopoResources(m);
    addTopoWindowResources(m);
    return m;
  }();
  return &module;
}
