// Resources as data: dialog templates (caption, size in dialog units, font, styles and
// numbered controls), menus (popups, separators, command IDs), cursors and icons. A
// library keeps its resources in a ResourceModule and joins the process-wide resource
// chain when it is loaded (AfxInitExtensionModule, CDynLinkLibrary, AFX_LIBRARY_ENTRY);
// windows and menus then find templates by number. Limits: one UI thread; lookups walk
// the chain in order (the application's module first), the first match wins.
#pragma once

#include "platform/gdi/CString.h"
#include "platform/ui/Messages.h"

#include <cstdint>
#include <initializer_list>
#include <map>
#include <vector>

// The built-in window classes a template control can name.
enum class ControlClass { Button, Static, Edit, ComboBox, ScrollBar, UpDown, RichEdit };

// One control of a dialog template. Position and size are in dialog units; style holds
// the WS_ bits and the class's own bits (BS_, SS_, ES_, CBS_, SBS_, UDS_).
struct DialogItemTemplate {
  ControlClass controlClass = ControlClass::Static;
  int id = 0;  // -1 for controls nobody addresses (labels, group boxes)
  CString caption;
  int x = 0, y = 0, cx = 0, cy = 0;
  DWORD style = WS_CHILD | WS_VISIBLE;
};

struct DialogTemplate {
  UINT id = 0;
  CString caption;
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  int cx = 0, cy = 0;  // client size in dialog units
  CString fontFace = L"MS Shell Dlg";
  int pointSize = 8;
  UINT menuId = 0;  // 0: no menu bar
  std::vector<DialogItemTemplate> items;
};

// A menu entry: a command (id), a separator, or a popup holding further entries.
struct MenuItemTemplate {
  CString text;
  UINT id = 0;
  bool separator = false;
  std::vector<MenuItemTemplate> popup;
  bool isPopup() const { return !popup.empty(); }

  static MenuItemTemplate command(const wchar_t* text, UINT id) { return {text, id, false, {}}; }
  static MenuItemTemplate separatorLine() { return {L"", 0, true, {}}; }
  static MenuItemTemplate popupOf(const wchar_t* text, std::vector<MenuItemTemplate> items) {
    return {text, 0, false, std::move(items)};
  }
};

struct MenuTemplate {
  UINT id = 0;
  std::vector<MenuItemTemplate> items;  // top level: usually popups
};

// A small image: 0xAARRGGBB per pixel, rows top-down; alpha 0 is transparent.
struct ImageResource {
  UINT id = 0;
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;

  // Builds the pixels from rows of characters; each character is looked up in the
  // palette ('.' or any character missing from it is transparent). Rows shorter than the
  // longest one are padded with transparency.
  static std::vector<std::uint32_t> pixelArt(std::initializer_list<const char*> rows,
                                             const std::map<char, std::uint32_t>& palette,
                                             int& width, int& height);
};
struct IconResource : ImageResource {};
struct CursorResource : ImageResource {
  CPoint hotSpot;
};

using HICON = const IconResource*;
using HCURSOR = const CursorResource*;

// The resources of one module (a library or the application).
class ResourceModule {
 public:
  explicit ResourceModule(CString name) : m_name(std::move(name)) {}
  const CString& name() const { return m_name; }

  // Adding a resource with an ID already present replaces it.
  void addDialog(DialogTemplate t) { m_dialogs[t.id] = std::move(t); }
  void addMenu(MenuTemplate t) { m_menus[t.id] = std::move(t); }
  void addIcon(IconResource r) { m_icons[r.id] = std::move(r); }
  void addCursor(CursorResource r) { m_cursors[r.id] = std::move(r); }

  const DialogTemplate* findDialog(UINT id) const { return find(m_dialogs, id); }
  const MenuTemplate* findMenu(UINT id) const { return find(m_menus, id); }
  HICON findIcon(UINT id) const { return find(m_icons, id); }
  HCURSOR findCursor(UINT id) const { return find(m_cursors, id); }

 private:
  template <class M>
  static const typename M::mapped_type* find(const M& m, UINT id) {
    auto it = m.find(id);
    return it == m.end() ? nullptr : &it->second;
  }
  CString m_name;
  std::map<UINT, DialogTemplate> m_dialogs;
  std::map<UINT, MenuTemplate> m_menus;
  std::map<UINT, IconResource> m_icons;
  std::map<UINT, CursorResource> m_cursors;
};

// A module handle names the module's resources.
using HINSTANCE = ResourceModule*;
using HMODULE = ResourceModule*;

// State of one extension library, filled by AfxInitExtensionModule.
struct AFX_EXTENSION_MODULE {
  BOOL bInitialized = FALSE;
  HMODULE hModule = nullptr;
  HMODULE hResource = nullptr;
};

class CDynLinkLibrary;

// The process-wide search order for resources: the application's module, then every
// linked library in the order it joined, then the platform's standard cursors.
class ResourceChain {
 public:
  static ResourceChain& instance();

  void setAppModule(HINSTANCE module) { m_app = module; }
  HINSTANCE appModule() const { return m_app; }
  const std::vector<CDynLinkLibrary*>& libraries() const { return m_libraries; }

  const DialogTemplate* findDialog(UINT id) const;
  const MenuTemplate* findMenu(UINT id) const;
  HICON findIcon(UINT id) const;
  HCURSOR findCursor(UINT id) const;

 private:
  friend class CDynLinkLibrary;
  void link(CDynLinkLibrary* lib) { m_libraries.push_back(lib); }
  void unlink(CDynLinkLibrary* lib);
  template <class F>
  auto search(F&& f) const -> decltype(f(static_cast<const ResourceModule*>(nullptr)));

  HINSTANCE m_app = nullptr;
  std::vector<CDynLinkLibrary*> m_libraries;
};

// Joins a library's resources to the chain for as long as it lives. Create it with new
// on library attach; AfxTermExtensionModule deletes it.
class CDynLinkLibrary {
 public:
  explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
  ~CDynLinkLibrary();
  CDynLinkLibrary(const CDynLinkLibrary&) = delete;
  CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

  HMODULE m_hModule;
  HMODULE m_hResource;
  BOOL m_bSystem;
};

// Records the module in state; FALSE when the module is null. Calling it again for an
// initialised state succeeds without change.
BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Unlinks and deletes the CDynLinkLibrary objects of this module (bAll: of every module).
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE module);

// The standard cursors (IDC_ARROW, IDC_WAIT, IDC_IBEAM, IDC_CROSS, IDC_HAND).
const ResourceModule& platformStandardResources();

// A library's load-time entry. In one source file of a shared library write
//   AFX_LIBRARY_ENTRY(DllMain, resourceModuleFunction)
// where DllMain is int(HINSTANCE, DWORD reason, void*) and resourceModuleFunction returns
// the library's HINSTANCE. DllMain then runs with DLL_PROCESS_ATTACH when the library is
// loaded and with DLL_PROCESS_DETACH when it is unloaded. A failed attach (result 0) is
// reported on standard error.
void afxReportLibraryEntryFailure(HINSTANCE module);
#define AFX_LIBRARY_ENTRY(entryFunction, moduleFunction)                                   \
  namespace {                                                                               \
  struct AfxLibraryEntryRunner {                                                            \
    AfxLibraryEntryRunner() {                                                               \
      if (!entryFunction(moduleFunction(), DLL_PROCESS_ATTACH, nullptr))                    \
        afxReportLibraryEntryFailure(moduleFunction());                                     \
    }                                                                                       \
    ~AfxLibraryEntryRunner() { entryFunction(moduleFunction(), DLL_PROCESS_DETACH, nullptr); } \
  } const afxLibraryEntryRunner;                                                            \
  }
