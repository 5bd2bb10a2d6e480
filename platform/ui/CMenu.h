// Menus: CMenu loaded from a menu template of the resource chain (popups, separators,
// command IDs) or built item by item, with check and gray states, and TrackPopupMenu,
// which asks the current service face which command the person picks. Used by the
// topographic canvases' context menu. Limits: no bitmaps, no owner drawing.
#pragma once

#include "platform/ui/CWnd.h"
#include "platform/ui/UiServices.h"

#include <memory>
#include <vector>

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_SEPARATOR = 0x0800;

class CMenu {
 public:
  CMenu() = default;
  ~CMenu() = default;
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  // Replaces the content with the template's; FALSE (and a line on standard error)
  // when the template is missing.
  BOOL LoadMenu(UINT nIDResource);
  BOOL CreatePopupMenu();
  // MF_STRING with a command ID and text, or MF_SEPARATOR.
  BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
  BOOL DestroyMenu();
  bool IsLoaded() const { return m_exists; }

  // The popup at position nPos, owned by this menu; null when that item is no popup.
  CMenu* GetSubMenu(int nPos) const;
  UINT GetMenuItemCount() const { return static_cast<UINT>(m_items.size()); }
  // The command of the item at nPos; 0 for a separator, 0xFFFFFFFF for a popup.
  UINT GetMenuItemID(int nPos) const;
  // Text of the item chosen by command (MF_BYCOMMAND, searching popups) or position.
  int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
  // Return the previous state, or 0xFFFFFFFF when the item does not exist.
  UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
  UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);

  // Shows the menu at the screen point with pWnd as owner. With TPM_RETURNCMD returns
  // the chosen command (0 if none) and sends nothing; otherwise posts WM_COMMAND with the
  // command to pWnd and returns TRUE, or FALSE when nothing was chosen. A command the
  // menu does not hold, or a grayed one, counts as nothing chosen.
  BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, const CRect* lpRect = nullptr);

  // The items as a service face shows them.
  std::vector<MenuEntry> entries() const;

 private:
  // entry.popup stays empty here: a popup's items live in the popup menu object.
  struct Item {
    MenuEntry entry;
    std::unique_ptr<CMenu> popup;
  };
  // Sets or clears one state flag of an item; the previous state as onFlag or offFlag.
  UINT setState(UINT idOrPos, UINT flags, bool MenuEntry::*state, bool on, UINT onFlag, UINT offFlag);
  void fill(const std::vector<MenuItemTemplate>& items);
  // The item with command id here or in a popup; with MF_BYPOSITION the item at nPos.
  Item* findItem(UINT idOrPos, UINT flags);
  const Item* findItem(UINT idOrPos, UINT flags) const;

  std::vector<Item> m_items;
  bool m_exists = false;
};
