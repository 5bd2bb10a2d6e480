#include "host/render/HostRenderResources.h"

namespace {

AFX_EXTENSION_MODULE g_hostRenderModule;

DialogTemplate frameSizeTemplate() {
  DialogTemplate t;
  t.id = IDD_MAP_FRAME_SIZE;
  t.caption = L"Contour Map Frame Size";
  t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
  t.cx = 186;
  t.cy = 62;
  const DWORD child = WS_CHILD | WS_VISIBLE;
  t.items = {
      {ControlClass::Button, IDC_FRAME_STD_PROJECTION, L"Use standard projection", 8, 8, 120, 12,
       child | WS_TABSTOP | BS_AUTOCHECKBOX},
      {ControlClass::Static, -1, L"2D size:", 8, 26, 40, 10, child},
      {ControlClass::Edit, IDC_FRAME_2D_SIZE, L"", 50, 24, 50, 14,
       child | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
      {ControlClass::Button, IDOK, L"OK", 130, 6, 50, 14, child | WS_TABSTOP | BS_DEFPUSHBUTTON},
      {ControlClass::Button, IDCANCEL, L"Cancel", 130, 24, 50, 14, child | WS_TABSTOP},
  };
  return t;
}

int DllMain(HINSTANCE instance, DWORD reason, void*) {
  if (reason == DLL_PROCESS_ATTACH) {
    if (!AfxInitExtensionModule(g_hostRenderModule, instance)) return 0;
    new CDynLinkLibrary(g_hostRenderModule);
  } else if (reason == DLL_PROCESS_DETACH) {
    AfxTermExtensionModule(g_hostRenderModule);
  }
  return 1;
}

}  // namespace

HINSTANCE hostRenderResources() {
  static ResourceModule module = [] {
    ResourceModule m(L"hostrender");
    m.addDialog(frameSizeTemplate());
    return m;
  }();
  return &module;
}

AFX_LIBRARY_ENTRY(DllMain, hostRenderResources)
