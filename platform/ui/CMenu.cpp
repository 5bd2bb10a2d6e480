#include "platform/ui/CMenu.h"

#include <cstdio>

void CMenu::fill(const std::vector<MenuItemTemplate>& items) {
  for (const MenuItemTemplate& t : items) {
    Item item;
    item.entry = MenuEntry{t.text, t.id, t.separator, false, false, {}};
    if (t.isPopup()) {
      item.popup = std::make_unique<CMenu>();
      item.popup->m_exists = true;
      item.popup->fill(t.popup);
    }
    m_items.push_back(std::move(item));
  }
}

BOOL CMenu::LoadMenu(UINT nIDResource) {
  const MenuTemplate* t = ResourceChain::instance().findMenu(nIDResource);
  if (!t) {
    std::fprintf(stderr, "menu %u is not in the resource chain\n", nIDResource);
    return FALSE;
  }
  m_items.clear();
  fill(t->items);
  m_exists = true;
  return TRUE;
}

BOOL CMenu::CreatePopupMenu() {
  m_items.clear();
  m_exists = true;
  return TRUE;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
  if (!m_exists) return FALSE;
  const bool separator = (nFlags & MF_SEPARATOR) != 0;
  Item item;
  item.entry = MenuEntry{lpszNewItem ? lpszNewItem : L"", separator ? 0 : static_cast<UINT>(nIDNewItem), separator,
                         (nFlags & MF_CHECKED) != 0, (nFlags & MF_GRAYED) != 0, {}};
  m_items.push_back(std::move(item));
  return TRUE;
}

BOOL CMenu::DestroyMenu() {
  const bool existed = m_exists;
  m_items.clear();
  m_exists = false;
  return existed ? TRUE : FALSE;
}

CMenu* CMenu::GetSubMenu(int nPos) const {
  if (nPos < 0 || static_cast<size_t>(nPos) >= m_items.size()) return nullptr;
  return m_items[static_cast<size_t>(nPos)].popup.get();
}

UINT CMenu::GetMenuItemID(int nPos) const {
  if (nPos < 0 || static_cast<size_t>(nPos) >= m_items.size()) return 0xFFFFFFFFu;
  const Item& item = m_items[static_cast<size_t>(nPos)];
  return item.popup ? 0xFFFFFFFFu : item.entry.id;
}

CMenu::Item* CMenu::findItem(UINT idOrPos, UINT flags) {
  return const_cast<Item*>(static_cast<const CMenu*>(this)->findItem(idOrPos, flags));
}

const CMenu::Item* CMenu::findItem(UINT idOrPos, UINT flags) const {
  if (flags & MF_BYPOSITION) return idOrPos < m_items.size() ? &m_items[idOrPos] : nullptr;
  for (const Item& item : m_items) {
    if (item.popup) {
      if (const Item* inner = item.popup->findItem(idOrPos, flags)) return inner;
    } else if (!item.entry.separator && item.entry.id == idOrPos) {
      return &item;
    }
  }
  return nullptr;
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
  const Item* item = findItem(nIDItem, nFlags);
  rString = item ? item->entry.text : CString();
  return rString.GetLength();
}

UINT CMenu::setState(UINT idOrPos, UINT flags, bool MenuEntry::*state, bool on, UINT onFlag, UINT offFlag) {
  Item* item = findItem(idOrPos, flags);
  if (!item) return 0xFFFFFFFFu;
  const UINT previous = item->entry.*state ? onFlag : offFlag;
  item->entry.*state = on;
  return previous;
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
  return setState(nIDCheckItem, nCheck, &MenuEntry::checked, (nCheck & MF_CHECKED) != 0, MF_CHECKED, MF_UNCHECKED);
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
  return setState(nIDEnableItem, nEnable, &MenuEntry::grayed, (nEnable & MF_GRAYED) != 0, MF_GRAYED, MF_ENABLED);
}

std::vector<MenuEntry> CMenu::entries() const {
  std::vector<MenuEntry> out;
  for (const Item& item : m_items) {
    MenuEntry e = item.entry;
    if (item.popup) e.popup = item.popup->entries();
    out.push_back(std::move(e));
  }
  return out;
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, const CRect*) {
  PopupMenuRequest request;
  request.owner = pWnd ? pWnd->m_hWnd : nullptr;
  request.screenPoint = CPoint(x, y);
  request.flags = nFlags;
  request.items = entries();
  UINT chosen = AfxGetApp()->services().popupMenu(request);
  const Item* item = chosen ? findItem(chosen, MF_BYCOMMAND) : nullptr;
  if (chosen && (!item || item->entry.grayed)) {
    std::fprintf(stderr, "pop-up menu: command %u is not an enabled item of the menu\n", chosen);
    chosen = 0;
  }
  if (nFlags & TPM_RETURNCMD) return static_cast<BOOL>(chosen);
  if (!chosen) return FALSE;
  if (pWnd && !(nFlags & TPM_NONOTIFY)) pWnd->PostMessage(WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
  return TRUE;
}
