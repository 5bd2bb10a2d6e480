// A shared library that joins the resource chain from its load-time entry, the way the
// display library does.
#include "platform/ui/Resources.h"

namespace {

AFX_EXTENSION_MODULE g_extension;

HINSTANCE libraryResources() {
  static ResourceModule module = [] {
    ResourceModule m(L"testlib");
    DialogTemplate own;
    own.id = 9501;
    own.caption = L"From the library";
    own.cx = 100;
    own.cy = 50;
    m.addDialog(own);
    DialogTemplate shadowed = own;
    shadowed.id = 9100;  // also in the application's module, which comes first
    shadowed.caption = L"Shadowed";
    m.addDialog(shadowed);
    m.addMenu({9502, {MenuItemTemplate::popupOf(L"Process", {MenuItemTemplate::command(L"Root Strip", 2117)})}});
    return m;
  }();
  return &module;
}

int DllMain(HINSTANCE instance, DWORD reason, void*) {
  if (reason == DLL_PROCESS_ATTACH) {
    if (!AfxInitExtensionModule(g_extension, instance)) return 0;
    new CDynLinkLibrary(g_extension);
  } else if (reason == DLL_PROCESS_DETACH) {
    AfxTermExtensionModule(g_extension);
  }
  return 1;
}

}  // namespace

AFX_LIBRARY_ENTRY(DllMain, libraryResources)
