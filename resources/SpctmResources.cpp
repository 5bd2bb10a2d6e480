#include "resources/SpctmResources.h"

#include "resources/MeasureResources.h"
#include "resources/StdSetResources.h"

HINSTANCE spctmResources() {
  static ResourceModule module = [] {
    ResourceModule m(L"spctmshow2d");
    addStdSetResources(m);
    addMeasureResources(m);
    return m;
  }();
  return &module;
}
