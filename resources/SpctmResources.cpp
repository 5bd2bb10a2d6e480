#include "resources/SpctmResources.h"

#include <algorithm>

#include "resources/MeasureResources.h"
#include "resources/Spctm1CResources.h"
#include "resources/StdSetResources.h"
#include "resources/TopoResources.h"

HINSTANCE spctmResources() {
  static ResourceModule module = [] {
    ResourceModule m(L"spctmshow2d");
    addStdSetResources(m);
    addMeasureResources(m);
    addSpctm1CResources(m);
    addTopoResources(m);
    return m;
  }();
  return &module;
}

void joinSpctmResources() {
  const auto& libraries = ResourceChain::instance().libraries();
  const bool joined = std::any_of(libraries.begin(), libraries.end(),
                                  [](const CDynLinkLibrary* lib) { return lib->m_hResource == spctmResources(); });
  if (joined) return;
  static AFX_EXTENSION_MODULE module;
  AfxInitExtensionModule(module, spctmResources());
  new CDynLinkLibrary(module);  // owned by the chain until AfxTermExtensionModule
}
