#include "platform/ui/CDialog.h"

#include "platform/ui/ControlLook.h"
#include "platform/ui/ControlProcs.h"

#include "platform/ui/CommonDialogs.h"

#include <algorithm>
#include <cerrno>
#include <limits>
#include <map>
#include <cstdio>
#include <cwchar>

namespace {

CWinApp& app() { return *AfxGetApp(); }

// Behaviour of the dialog window itself: closing means cancelling.
class DialogProc : public WindowClassProc {
 public:
  LRESULT proc(WindowRecord& r, UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_CLOSE) {
      app().sendMessage(r.hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      return 0;
    }
    return defaultWindowProc(r, message, wParam, lParam);
  }
};

bool isControlOf(const WindowRecord& r, ControlClass wanted) {
  ControlClass cc;
  return r.classProc && r.classProc->isControl(cc) && cc == wanted;
}

void setTextIfChanged(HWND control, const CString& text) {
  // Setting an edit's text sends EN_CHANGE; skipping identical text keeps a change
  // handler that writes the fields back from running in circles.
  const WindowRecord* r = app().record(control);
  if (r && r->text != text) app().sendMessage(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.GetString()));
}

CString controlText(HWND control) {
  const WindowRecord* r = app().record(control);
  return r ? r->text : CString();
}

// Refuses the text: message, focus on the control, end of the exchange.
[[noreturn]] void refuse(CDataExchange* pDX, HWND control, const wchar_t* message) {
  AfxMessageBox(message, MB_OK | MB_ICONWARNING);
  app().setFocus(control);
  pDX->Fail();
}

template <class T, class Parse>
void exchangeNumber(CDataExchange* pDX, int nIDC, T& value, const wchar_t* format, Parse parse,
                    const wchar_t* refusal) {
  const HWND h = pDX->PrepareCtrl(nIDC);
  if (!pDX->m_bSaveAndValidate) {
    setTextIfChanged(h, formatText(format, value));
    return;
  }
  CString text = controlText(h);
  text.Trim();
  const wchar_t* begin = text.GetString();
  wchar_t* end = nullptr;
  errno = 0;
  const auto parsed = parse(begin, &end);
  if (text.IsEmpty() || *end != L'\0' || errno == ERANGE) refuse(pDX, h, refusal);
  if constexpr (sizeof(T) < sizeof(parsed)) {
    if (parsed < static_cast<decltype(parsed)>(std::numeric_limits<T>::min()) ||
        parsed > static_cast<decltype(parsed)>(std::numeric_limits<T>::max()))
      refuse(pDX, h, refusal);
  }
  value = static_cast<T>(parsed);
}

}  // namespace

CSize dialogBaseUnitsFor(const CString& faceName, int pointSize) {
  const int points = pointSize > 0 ? pointSize : 8;
  // Measured once per face and size: the framework's rule, half the average width of
  // the 52 letters (rounded) and the font's cell height.
  static std::map<std::pair<std::wstring, int>, CSize> measured;
  auto [it, added] = measured.try_emplace({faceName.str(), points});
  if (!added) return it->second;
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  dc.SelectObject(look::dialogFont(faceName, points));
  TEXTMETRIC tm;
  const CSize letters = dc.GetTextExtent(CString(L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  if (dc.GetTextMetrics(&tm) && tm.tmHeight > 0 && letters.cx > 0) {
    it->second = CSize((letters.cx / 26 + 1) / 2, tm.tmHeight);
  } else {
    // No font could be made: the usual 8-point units, scaled.
    it->second = CSize(MulDiv(6, points, 8), MulDiv(13, points, 8));
  }
  return it->second;
}

HWND CDataExchange::PrepareCtrl(int nIDC) {
  CWnd* control = m_pDlgWnd->GetDlgItem(nIDC);
  if (!control) {
    std::fprintf(stderr, "data exchange: the dialog has no control %d\n", nIDC);
    Fail();
  }
  m_hWndLastControl = control->m_hWnd;
  return control->m_hWnd;
}

void CDataExchange::Fail() { throw DataExchangeFailure{}; }

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
  const HWND h = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) value = static_cast<int>(app().sendMessage(h, BM_GETCHECK));
  else app().sendMessage(h, BM_SETCHECK, static_cast<WPARAM>(value));
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
  const HWND first = pDX->PrepareCtrl(nIDC);
  const WindowRecord* dlg = app().record(pDX->m_pDlgWnd->m_hWnd);
  const auto& children = dlg->children;
  auto it = std::find(children.begin(), children.end(), first);
  if (pDX->m_bSaveAndValidate) value = -1;
  for (int index = 0; it != children.end(); ++it, ++index) {
    const WindowRecord* r = app().record(*it);
    if ((index > 0 && (r->style & WS_GROUP)) || !isControlOf(*r, ControlClass::Button) ||
        (r->style & BS_TYPEMASK) != BS_AUTORADIOBUTTON)
      break;
    if (pDX->m_bSaveAndValidate) {
      if (app().sendMessage(*it, BM_GETCHECK) == BST_CHECKED) value = index;
    } else {
      app().sendMessage(*it, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED);
    }
  }
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
  exchangeNumber(pDX, nIDC, value, L"%d", [](const wchar_t* s, wchar_t** e) { return std::wcstol(s, e, 10); },
                 L"Enter a whole number.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::int64_t& value) {
  exchangeNumber(pDX, nIDC, value, L"%I64d",
                 [](const wchar_t* s, wchar_t** e) { return std::wcstoll(s, e, 10); }, L"Enter a whole number.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
  exchangeNumber(pDX, nIDC, value, L"%.15g", [](const wchar_t* s, wchar_t** e) { return std::wcstod(s, e); },
                 L"Enter a number.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  const HWND h = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) value = controlText(h);
  else setTextIfChanged(h, value);
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
  const HWND h = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) index = static_cast<int>(app().sendMessage(h, CB_GETCURSEL));
  else app().sendMessage(h, CB_SETCURSEL, static_cast<WPARAM>(static_cast<std::intptr_t>(index)));
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.m_hWnd) return;
  const HWND h = pDX->PrepareCtrl(nIDC);
  if (!rControl.SubclassWindow(h)) {
    std::fprintf(stderr, "data exchange: control %d already belongs to another object\n", nIDC);
    pDX->Fail();
  }
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_COMMAND(IDOK, &CDialog::OnOK)
  ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::~CDialog() {
  // While the dialog's own handlers still exist.
  if (m_hWnd) DestroyWindow();
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  m_nIDTemplate = nIDTemplate;
  m_pParentWnd = pParentWnd;
  return createFromTemplate(nIDTemplate, pParentWnd);
}

BOOL CDialog::CreateIndirect(const DialogTemplate& dialogTemplate, CWnd* pParentWnd) {
  m_pParentWnd = pParentWnd;
  return createFrom(dialogTemplate, pParentWnd);
}

void CDialog::InitModalIndirect(const DialogTemplate& dialogTemplate, CWnd* pParentWnd) {
  m_pIndirect = &dialogTemplate;
  m_pParentWnd = pParentWnd;
}

BOOL CDialog::createFromTemplate(UINT nIDTemplate, CWnd* pParentWnd) {
  if (m_hWnd) return FALSE;
  if (m_pIndirect) return createFrom(*m_pIndirect, pParentWnd);
  const DialogTemplate* t = ResourceChain::instance().findDialog(nIDTemplate);
  if (!t) {
    std::fprintf(stderr, "dialog template %u is not in the resource chain\n", nIDTemplate);
    return FALSE;
  }
  return createFrom(*t, pParentWnd);
}

BOOL CDialog::createFrom(const DialogTemplate& dialogTemplate, CWnd* pParentWnd) {
  if (m_hWnd) return FALSE;
  const DialogTemplate* t = &dialogTemplate;
  const UINT nIDTemplate = t->id;
  const bool child = (t->style & WS_CHILD) != 0;
  if (child && !(pParentWnd && pParentWnd->m_hWnd)) {
    std::fprintf(stderr, "dialog template %u makes a child window but no parent was given\n", nIDTemplate);
    return FALSE;
  }
  WindowRecord& r = app().createRecord(child ? pParentWnd->m_hWnd : nullptr);
  r.wnd = this;
  m_hWnd = r.hwnd;
  r.classProc = std::make_unique<DialogProc>();
  r.style = t->style & ~WS_VISIBLE;
  r.text = t->caption;
  r.dialogBaseUnits = dialogBaseUnitsFor(t->fontFace, t->pointSize);
  if (t->menuId) r.menu = ResourceChain::instance().findMenu(t->menuId);
  CRect client(0, 0, t->cx, t->cy);
  MapDialogRect(&client);
  const CRect in = nonClientInsets(r);
  const CPoint at = child ? CPoint(0, 0) : CPoint(20, 20);
  r.rect = CRect(at.x, at.y, at.x + client.Width() + in.left + in.right, at.y + client.Height() + in.top + in.bottom);
  SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));

  for (const DialogItemTemplate& item : t->items) {
    CRect rect(item.x, item.y, item.x + item.cx, item.y + item.cy);
    MapDialogRect(&rect);
    createControlWindow(m_hWnd, item.controlClass, item.caption, item.style, rect, item.id);
  }
  if (SendMessage(WM_INITDIALOG) && m_hWnd) moveFocus(false);
  if (m_hWnd && (t->style & WS_VISIBLE)) ShowWindow(SW_SHOW);
  return m_hWnd ? TRUE : FALSE;
}

void CDialog::MapDialogRect(CRect* rect) const {
  const WindowRecord* r = record();
  if (!r || !rect) return;
  const CSize base = r->dialogBaseUnits;
  rect->left = MulDiv(rect->left, base.cx, 4);
  rect->right = MulDiv(rect->right, base.cx, 4);
  rect->top = MulDiv(rect->top, base.cy, 8);
  rect->bottom = MulDiv(rect->bottom, base.cy, 8);
}

INT_PTR CDialog::DoModal() {
  if (m_hWnd) return -1;
  CWnd* owner = m_pParentWnd ? m_pParentWnd->GetTopLevelParent() : nullptr;
  const bool ownerWasEnabled = owner && owner->IsWindowEnabled();
  m_modal = true;
  m_modalEnded = false;
  m_modalResult = -1;
  if (!createFromTemplate(m_nIDTemplate, m_pParentWnd)) {
    m_modal = false;
    return -1;
  }
  if (ownerWasEnabled) owner->EnableWindow(FALSE);
  ShowWindow(SW_SHOW);
  app().pumpUntilIdle();
  app().services().runModal(*this);
  if (isModalRunning()) EndDialog(IDCANCEL);
  const int result = m_modalResult;
  DestroyWindow();
  if (ownerWasEnabled && owner->m_hWnd) owner->EnableWindow(TRUE);
  m_modal = false;
  return result;
}

void CDialog::EndDialog(int nResult) {
  if (m_modal) {
    m_modalResult = nResult;
    m_modalEnded = true;
  }
  ShowWindow(SW_HIDE);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  try {
    DoDataExchange(&dx);
  } catch (const DataExchangeFailure&) {
    return FALSE;
  }
  return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_INITDIALOG) {
    const BOOL focusFirst = OnInitDialog();
    if (pResult) *pResult = focusFirst;
    return TRUE;
  }
  return CWnd::OnWndMsg(message, wParam, lParam, pResult);
}

void CDialog::moveFocus(bool backwards) {
  const WindowRecord* dlg = record();
  if (!dlg || dlg->children.empty()) return;
  std::vector<HWND> stops;
  for (HWND c : dlg->children) {
    const WindowRecord* r = app().record(c);
    if ((r->style & WS_TABSTOP) && r->visibleSelf() && r->enabledSelf()) stops.push_back(c);
  }
  if (stops.empty()) return;
  auto it = std::find(stops.begin(), stops.end(), app().focus());
  size_t next = 0;
  if (it != stops.end()) {
    const size_t at = static_cast<size_t>(it - stops.begin());
    next = backwards ? (at + stops.size() - 1) % stops.size() : (at + 1) % stops.size();
  } else if (backwards) {
    next = stops.size() - 1;
  }
  app().setFocus(stops[next]);
  // Tabbing into an edit selects its text, so typing replaces it.
  const WindowRecord* r = app().record(stops[next]);
  if (r && (isControlOf(*r, ControlClass::Edit) || isControlOf(*r, ControlClass::RichEdit)))
    app().sendMessage(stops[next], EM_SETSEL, 0, -1);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message != WM_KEYDOWN) return FALSE;
  const WindowRecord* target = app().record(pMsg->hwnd);
  if (!target) return FALSE;
  const bool openCombo = isControlOf(*target, ControlClass::ComboBox) && app().sendMessage(pMsg->hwnd, CB_GETDROPPEDSTATE);
  switch (pMsg->wParam) {
    case VK_ESCAPE:
      if (openCombo) return FALSE;
      SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      return TRUE;
    case VK_RETURN: {
      if (openCombo || (target->classProc && target->classProc->wantsReturn(*target))) return FALSE;
      int id = IDOK;
      HWND button = nullptr;
      for (HWND c : record()->children) {
        const WindowRecord* r = app().record(c);
        if (isControlOf(*r, ControlClass::Button) && (r->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
          id = r->id;
          button = c;
          break;
        }
      }
      SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), BN_CLICKED), reinterpret_cast<LPARAM>(button));
      return TRUE;
    }
    case VK_TAB:
      moveFocus(app().isKeyDown(VK_SHIFT));
      return TRUE;
    default:
      return FALSE;
  }
}
