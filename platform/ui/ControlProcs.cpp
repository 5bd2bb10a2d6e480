#include "platform/ui/ControlProcs.h"

#include "platform/ui/CWinApp.h"

HWND createControlWindow(HWND parent, ControlClass controlClass, const CString& text, DWORD style,
                         const CRect& rect, int id) {
  CWinApp* app = AfxGetApp();
  if (!app->isWindow(parent)) return nullptr;
  WindowRecord& r = app->createRecord(parent);
  r.id = id;
  r.style = style | WS_CHILD;
  r.text = text;
  r.rect = rect;
  switch (controlClass) {
    case ControlClass::Button: r.classProc = makeButtonProc(); break;
    case ControlClass::Static: r.classProc = makeStaticProc(); break;
    case ControlClass::Edit:
    case ControlClass::RichEdit:
      r.classProc = makeEditProc(controlClass == ControlClass::RichEdit);
      r.cursorId = IDC_IBEAM;
      break;
    case ControlClass::ComboBox:
      // The template height includes the open list; the box itself has a fixed height.
      r.rect.bottom = r.rect.top + kComboClosedHeight;
      r.classProc = makeComboProc(rect.Height() - kComboClosedHeight);
      break;
    case ControlClass::ScrollBar: r.classProc = makeScrollBarProc(); break;
    case ControlClass::UpDown: r.classProc = makeUpDownProc(); break;
  }
  invalidateRecord(r, nullptr, true);
  return r.hwnd;
}
