#include "resources/SpctmResources.h"

HINSTANCE spctmResources() {
  static ResourceModule module = [] {
    ResourceModule m(L"spctmshow2d");
    return m;
  }();
  return &module;
}
