#include "facade/SpctmLibraryEntry.h"

#include "resources/SpctmResources.h"

namespace {

AFX_EXTENSION_MODULE g_spctmModule;

}  // namespace

int spctmLibraryEntry(HINSTANCE hInstance, DWORD dwReason, void*) {
  if (dwReason == DLL_PROCESS_ATTACH) {
    // A second attach must not put the module into the chain twice.
    if (g_spctmModule.bInitialized) return 1;
    if (!AfxInitExtensionModule(g_spctmModule, hInstance)) return 0;
    new CDynLinkLibrary(g_spctmModule);  // owned by the chain until AfxTermExtensionModule
  } else if (dwReason == DLL_PROCESS_DETACH) {
    if (g_spctmModule.bInitialized) AfxTermExtensionModule(g_spctmModule);
  }
  return 1;
}

AFX_LIBRARY_ENTRY(spctmLibraryEntry, spctmResources)
