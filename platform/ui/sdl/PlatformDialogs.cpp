#include "platform/ui/sdl/PlatformDialogs.h"

#include "platform/gdi/CDC.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/ControlLook.h"

#include <algorithm>
#include <filesystem>
#include <fnmatch.h>
#include <functional>
#include <string>
#include <cwctype>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The dialogs' font is 8-point "MS Shell Dlg": 6 x 12 pixels per 4 x 8 dialog units, so
// one unit is 1.5 pixels either way.
int unitsOf(int pixels) { return (pixels * 2 + 2) / 3; }

CSize textSize(const CString& text) {
  PixelSurface scratch(1, 1);
  CDC dc(scratch, CPoint(0, 0), scratch.bounds());
  dc.SelectObject(look::dialogFont());
  return dc.GetTextExtent(text.IsEmpty() ? CString(L" ") : text);
}

DialogItemTemplate item(ControlClass kind, int id, const CString& caption, int x, int y, int cx, int cy, DWORD style = 0) {
  return {kind, id, caption, x, y, cx, cy, WS_CHILD | WS_VISIBLE | style};
}

DialogItemTemplate button(int id, const wchar_t* caption, int x, int y, bool isDefault) {
  return item(ControlClass::Button, id, caption, x, y, 50, 14, WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON));
}

DialogTemplate frameOf(const CString& caption, int cx, int cy) {
  DialogTemplate t;
  t.caption = caption;
  t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  t.cx = cx;
  t.cy = cy;
  return t;
}

struct BoxButton {
  int id;
  const wchar_t* caption;
};

std::vector<BoxButton> buttonsOf(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{IDOK, L"OK"}, {IDCANCEL, L"Cancel"}};
    case MB_ABORTRETRYIGNORE: return {{IDABORT, L"Abort"}, {IDRETRY, L"Retry"}, {IDIGNORE, L"Ignore"}};
    case MB_YESNOCANCEL: return {{IDYES, L"Yes"}, {IDNO, L"No"}, {IDCANCEL, L"Cancel"}};
    case MB_YESNO: return {{IDYES, L"Yes"}, {IDNO, L"No"}};
    case MB_RETRYCANCEL: return {{IDRETRY, L"Retry"}, {IDCANCEL, L"Cancel"}};
    default: return {{IDOK, L"OK"}};
  }
}

std::vector<CString> linesOf(const CString& text) {
  std::vector<CString> lines;
  int start = 0;
  for (int nl = text.Find(L'\n'); nl >= 0; nl = text.Find(L'\n', start)) {
    lines.push_back(text.Mid(start, nl - start));
    start = nl + 1;
  }
  lines.push_back(text.Mid(start));
  return lines;
}

// The caption of a box that names none: the owner's title, as the box belongs to it.
CString boxCaption(const MessageBoxRequest& request) {
  if (!request.caption.IsEmpty()) return request.caption;
  if (CWnd* owner = CWnd::FromHandle(request.owner)) {
    CString title = owner->GetTopLevelParent()->GetWindowText();
    if (!title.IsEmpty()) return title;
  }
  return L"Message";
}

std::wstring itemText(const CWnd& dialog, int id) {
  CString text;
  dialog.GetDlgItemText(id, text);
  return text.GetString();
}

}  // namespace

// ---- Message box -------------------------------------------------------------------

MessageBoxDialog::MessageBoxDialog(const MessageBoxRequest& request) : m_type(request.type) {
  const std::vector<CString> lines = linesOf(request.text);
  int textWidth = 0;
  const int lineHeight = textSize(L"Ag").cy;
  for (const CString& line : lines) textWidth = std::max(textWidth, static_cast<int>(textSize(line).cx));
  const std::vector<BoxButton> buttons = buttonsOf(request.type);
  const int buttonsWidth = static_cast<int>(buttons.size()) * 56 - 6;
  const int cx = std::max({unitsOf(textWidth) + 28, buttonsWidth + 28, 140});
  const int textTop = 14;
  const int textHeight = unitsOf(lineHeight) * static_cast<int>(lines.size());
  m_template = frameOf(boxCaption(request), cx, textTop + textHeight + 38);
  int y = textTop;
  for (const CString& line : lines) {
    m_template.items.push_back(item(ControlClass::Static, -1, line, 14, y, cx - 28, unitsOf(lineHeight), SS_LEFT));
    y += unitsOf(lineHeight);
  }
  int x = cx - 14 - buttonsWidth;
  for (size_t i = 0; i < buttons.size(); ++i, x += 56) {
    m_template.items.push_back(button(buttons[i].id, buttons[i].caption, x, m_template.cy - 21, i == 0));
  }
  InitModalIndirect(m_template, CWnd::FromHandle(request.owner));
}

BOOL MessageBoxDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  if (HIWORD(wParam) == BN_CLICKED && id >= IDOK && id <= IDNO && id != IDCANCEL) {
    EndDialog(id);
    return TRUE;
  }
  return CDialog::OnCommand(wParam, lParam);
}

BOOL MessageBoxDialog::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_CHAR) {
    const auto typed = std::towupper(static_cast<wint_t>(pMsg->wParam));
    for (const BoxButton& b : buttonsOf(m_type)) {
      if (b.id != IDOK && b.id != IDCANCEL && std::towupper(static_cast<wint_t>(b.caption[0])) == typed) {
        EndDialog(b.id);
        return TRUE;
      }
    }
  }
  return CDialog::PreTranslateMessage(pMsg);
}

void MessageBoxDialog::OnCancel() {
  const UINT kind = m_type & MB_TYPEMASK;
  if (kind == MB_OK) EndDialog(IDOK);
  else if (kind != MB_YESNO && kind != MB_ABORTRETRYIGNORE) EndDialog(IDCANCEL);
}

// ---- File dialog -------------------------------------------------------------------

FileDialogWindow::FileDialogWindow(const FileDialogRequest& request) : m_request(request) {
  if (m_request.filters.empty()) m_request.filters.emplace_back(L"All Files (*.*)", L"*.*");
  m_template = frameOf(request.open ? L"Open" : L"Save As", 280, 96);
  auto& items = m_template.items;
  items.push_back(item(ControlClass::Static, -1, L"Folder:", 7, 10, 44, 8));
  items.push_back(item(ControlClass::Edit, kFolder, L"", 54, 8, 219, 12, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL));
  items.push_back(item(ControlClass::Static, -1, L"File name:", 7, 28, 44, 8));
  items.push_back(item(ControlClass::ComboBox, kName, L"", 54, 26, 219, 120, WS_TABSTOP | CBS_DROPDOWN | WS_VSCROLL));
  items.push_back(item(ControlClass::Static, -1, request.open ? L"Files of type:" : L"Save as type:", 7, 46, 46, 8));
  items.push_back(item(ControlClass::ComboBox, kType, L"", 54, 44, 219, 80, WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL));
  items.push_back(button(IDOK, request.open ? L"Open" : L"Save", 169, 74, true));
  items.push_back(button(IDCANCEL, L"Cancel", 223, 74, false));
  InitModalIndirect(m_template, CWnd::FromHandle(request.owner));
}

std::optional<CString> FileDialogWindow::run() {
  if (DoModal() != IDOK) return std::nullopt;
  return m_path;
}

BOOL FileDialogWindow::OnInitDialog() {
  CDialog::OnInitDialog();
  // A name with a folder part opens in that folder; otherwise in the working folder.
  const fs::path given(m_request.fileName.GetString());
  std::error_code code;
  fs::path folder = given.has_parent_path() ? given.parent_path() : fs::current_path(code);
  SetDlgItemText(kFolder, CString(folder.wstring().c_str()));
  auto* type = static_cast<CComboBox*>(GetDlgItem(kType));
  for (const auto& [description, pattern] : m_request.filters) type->AddString(description);
  type->SetCurSel(0);
  listFiles();
  SetDlgItemText(kName, CString(given.filename().wstring().c_str()));
  return TRUE;
}

void FileDialogWindow::listFiles() {
  auto* names = static_cast<CComboBox*>(GetDlgItem(kName));
  const CString keep = names->GetWindowText();
  names->ResetContent();
  const int type = static_cast<CComboBox*>(GetDlgItem(kType))->GetCurSel();
  const CString patterns = m_request.filters[static_cast<size_t>(std::max(type, 0))].second;
  std::vector<std::wstring> found;
  std::error_code code;
  for (fs::directory_iterator it(itemText(*this, kFolder), code), end; !code && it != end; it.increment(code)) {
    if (!it->is_regular_file(code)) continue;
    const std::string name = it->path().filename().string();
    // A type's pattern may list several, separated by ';' ("*.png;*.bmp").
    const std::string list = patterns.utf8();
    for (size_t start = 0; start <= list.size();) {
      const size_t stop = std::min(list.find(';', start), list.size());
      const std::string one = list.substr(start, stop - start);
      if (one == "*.*" || fnmatch(one.c_str(), name.c_str(), 0) == 0) {
        found.push_back(it->path().filename().wstring());
        break;
      }
      start = stop + 1;
    }
  }
  std::sort(found.begin(), found.end());
  for (const std::wstring& name : found) names->AddString(name.c_str());
  names->SetWindowText(keep);
}

BOOL FileDialogWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam), code = HIWORD(wParam);
  if ((id == kType && code == CBN_SELCHANGE) || (id == kFolder && code == EN_CHANGE)) {
    listFiles();
    return TRUE;
  }
  return CDialog::OnCommand(wParam, lParam);
}

void FileDialogWindow::OnOK() {
  const fs::path folder(itemText(*this, kFolder));
  CString name = GetDlgItem(kName)->GetWindowText();
  name.Trim();
  if (name.IsEmpty()) return;
  std::error_code code;
  if (!fs::is_directory(folder, code)) {
    MessageBox(CString(L"The folder \"") + CString(folder.wstring().c_str()) + L"\" does not exist.", nullptr,
               MB_OK | MB_ICONWARNING);
    return;
  }
  fs::path path = folder / name.GetString();
  // The name the caller will use: with the default extension when the name has none.
  if (!m_request.defaultExt.IsEmpty() && !path.has_extension()) path += L"." + std::wstring(m_request.defaultExt.GetString());
  const CString shown(path.wstring().c_str());
  if (m_request.open && (m_request.flags & OFN_FILEMUSTEXIST) && !fs::exists(path, code)) {
    MessageBox(shown + L"\nFile not found.\nCheck the file name and try again.", nullptr, MB_OK | MB_ICONWARNING);
    return;
  }
  if (!m_request.open && (m_request.flags & OFN_OVERWRITEPROMPT) && fs::exists(path, code) &&
      MessageBox(shown + L" already exists.\nDo you want to replace it?", L"Confirm Save As", MB_YESNO | MB_ICONWARNING) != IDYES) {
    return;
  }
  m_path = CString((folder / name.GetString()).wstring().c_str());
  EndDialog(IDOK);
}

// ---- Font dialog -------------------------------------------------------------------

namespace {

// The faces the platform resolves (its aliases and the fonts behind them).
constexpr const wchar_t* kFaces[] = {L"Arial",           L"Courier New",      L"DejaVu Sans", L"DejaVu Sans Mono",
                                     L"DejaVu Serif",    L"Liberation Mono",  L"Liberation Sans",
                                     L"Liberation Serif", L"MS Sans Serif",   L"MS Shell Dlg", L"Times New Roman"};
constexpr int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
struct NamedColour {
  const wchar_t* name;
  COLORREF colour;
};
constexpr NamedColour kColours[] = {
    {L"Black", RGB(0, 0, 0)},       {L"Maroon", RGB(128, 0, 0)},   {L"Green", RGB(0, 128, 0)},
    {L"Olive", RGB(128, 128, 0)},   {L"Navy", RGB(0, 0, 128)},     {L"Purple", RGB(128, 0, 128)},
    {L"Teal", RGB(0, 128, 128)},    {L"Gray", RGB(128, 128, 128)}, {L"Silver", RGB(192, 192, 192)},
    {L"Red", RGB(255, 0, 0)},       {L"Lime", RGB(0, 255, 0)},     {L"Yellow", RGB(255, 255, 0)},
    {L"Blue", RGB(0, 0, 255)},      {L"Fuchsia", RGB(255, 0, 255)}, {L"Aqua", RGB(0, 255, 255)},
    {L"White", RGB(255, 255, 255)}};

// Shows "AaBbYyZz" in the font the dialog's controls describe now.
class FontSample : public CWnd {
 public:
  explicit FontSample(std::function<bool(FontChoice&)> read) : m_read(std::move(read)) {}
  void OnPaint() override {
    CPaintDC dc(this);
    CRect r;
    GetClientRect(&r);
    dc.FillSolidRect(&r, look::kWindow);
    look::frame(dc, r, look::kFrame);
    FontChoice choice;
    if (!m_read(choice)) return;
    LOGFONT lf;
    lf.lfHeight = -MulDiv(choice.pointSizeTenths, 96, 720);
    lf.lfWeight = choice.weight;
    lf.lfItalic = choice.italic ? 1 : 0;
    lf.lfUnderline = choice.underline ? 1 : 0;
    lf.lfStrikeOut = choice.strikeOut ? 1 : 0;
    const std::wstring face = choice.faceName.GetString();
    std::copy_n(face.c_str(), std::min<size_t>(face.size(), LF_FACESIZE - 1), lf.lfFaceName);
    CFont font;
    if (!font.CreateFontIndirect(&lf)) return;
    CFont* old = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(choice.color);
    dc.DrawText(CString(L"AaBbYyZz"), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    dc.SelectObject(old);
  }

 private:
  std::function<bool(FontChoice&)> m_read;
};

}  // namespace

FontDialogWindow::FontDialogWindow(const FontDialogRequest& request) : m_request(request), m_choice(request.initial) {
  const bool effects = (request.flags & CF_EFFECTS) != 0;
  m_template = frameOf(L"Font", 250, 150);
  auto& items = m_template.items;
  items.push_back(item(ControlClass::Static, -1, L"Font:", 7, 7, 120, 8));
  items.push_back(item(ControlClass::ComboBox, kFace, L"", 7, 17, 120, 150, WS_TABSTOP | CBS_DROPDOWN | WS_VSCROLL));
  items.push_back(item(ControlClass::Static, -1, L"Size:", 135, 7, 50, 8));
  items.push_back(item(ControlClass::ComboBox, kSize, L"", 135, 17, 50, 150, WS_TABSTOP | CBS_DROPDOWN | WS_VSCROLL));
  items.push_back(item(ControlClass::Button, kBold, L"Bold", 193, 17, 50, 10, WS_TABSTOP | BS_AUTOCHECKBOX));
  items.push_back(item(ControlClass::Button, kItalic, L"Italic", 193, 30, 50, 10, WS_TABSTOP | BS_AUTOCHECKBOX));
  if (effects) {
    items.push_back(item(ControlClass::Button, -1, L"Effects", 7, 38, 178, 40, BS_GROUPBOX));
    items.push_back(item(ControlClass::Button, kStrikeOut, L"Strikeout", 13, 49, 60, 10, WS_TABSTOP | BS_AUTOCHECKBOX));
    items.push_back(item(ControlClass::Button, kUnderline, L"Underline", 13, 62, 60, 10, WS_TABSTOP | BS_AUTOCHECKBOX));
    items.push_back(item(ControlClass::Static, -1, L"Colour:", 85, 50, 40, 8));
    items.push_back(item(ControlClass::ComboBox, kColour, L"", 85, 60, 94, 150, WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL));
  }
  items.push_back(item(ControlClass::Static, -1, L"Sample", 7, 84, 60, 8));
  items.push_back(item(ControlClass::Static, kSample, L"", 7, 94, 236, 32, SS_LEFT));
  items.push_back(button(IDOK, L"OK", 139, 131, true));
  items.push_back(button(IDCANCEL, L"Cancel", 193, 131, false));
  InitModalIndirect(m_template, CWnd::FromHandle(request.owner));
}

std::optional<FontChoice> FontDialogWindow::run() {
  if (DoModal() != IDOK) return std::nullopt;
  return m_choice;
}

BOOL FontDialogWindow::OnInitDialog() {
  CDialog::OnInitDialog();
  auto* faces = static_cast<CComboBox*>(GetDlgItem(kFace));
  for (const wchar_t* face : kFaces) faces->AddString(face);
  faces->SetWindowText(m_choice.faceName);
  auto* sizes = static_cast<CComboBox*>(GetDlgItem(kSize));
  for (int size : kSizes) sizes->AddString(std::to_wstring(size).c_str());
  const int tenths = m_choice.pointSizeTenths;
  sizes->SetWindowText(tenths % 10 ? CString(std::to_wstring(tenths / 10.0).c_str()) : CString(std::to_wstring(tenths / 10).c_str()));
  SendDlgItemMessage(kBold, BM_SETCHECK, m_choice.weight >= FW_BOLD ? BST_CHECKED : BST_UNCHECKED);
  SendDlgItemMessage(kItalic, BM_SETCHECK, m_choice.italic ? BST_CHECKED : BST_UNCHECKED);
  if (auto* colours = static_cast<CComboBox*>(GetDlgItem(kColour))) {
    SendDlgItemMessage(kUnderline, BM_SETCHECK, m_choice.underline ? BST_CHECKED : BST_UNCHECKED);
    SendDlgItemMessage(kStrikeOut, BM_SETCHECK, m_choice.strikeOut ? BST_CHECKED : BST_UNCHECKED);
    int chosen = 0;
    for (const NamedColour& c : kColours) {
      const int at = colours->AddString(c.name);
      colours->SetItemData(at, static_cast<LPARAM>(c.colour));
      if (c.colour == m_choice.color) chosen = at;
    }
    colours->SetCurSel(chosen);
  }
  m_sample = std::make_unique<FontSample>([this](FontChoice& c) { return readChoice(c); });
  m_sample->SubclassDlgItem(kSample, this);
  return TRUE;
}

bool FontDialogWindow::readChoice(FontChoice& choice) {
  choice = m_choice;
  CString face = GetDlgItem(kFace)->GetWindowText();
  face.Trim();
  if (!face.IsEmpty()) choice.faceName = face;
  const std::wstring size = itemText(*this, kSize);
  wchar_t* end = nullptr;
  const double points = std::wcstod(size.c_str(), &end);
  if (end == size.c_str() || points < 1 || points > 1638) return false;
  choice.pointSizeTenths = static_cast<int>(points * 10 + 0.5);
  choice.weight = SendDlgItemMessage(kBold, BM_GETCHECK) == BST_CHECKED ? FW_BOLD : FW_NORMAL;
  choice.italic = (SendDlgItemMessage(kItalic, BM_GETCHECK) == BST_CHECKED);
  if (auto* colours = static_cast<CComboBox*>(GetDlgItem(kColour))) {
    choice.underline = (SendDlgItemMessage(kUnderline, BM_GETCHECK) == BST_CHECKED);
    choice.strikeOut = (SendDlgItemMessage(kStrikeOut, BM_GETCHECK) == BST_CHECKED);
    if (colours->GetCurSel() >= 0) choice.color = static_cast<COLORREF>(colours->GetItemData(colours->GetCurSel()));
  }
  return true;
}

BOOL FontDialogWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
  // Every change of a control shows itself in the sample.
  const BOOL handled = CDialog::OnCommand(wParam, lParam);
  if (m_sample && m_sample->m_hWnd) m_sample->Invalidate();
  return handled;
}

void FontDialogWindow::OnOK() {
  FontChoice choice;
  if (!readChoice(choice)) {
    MessageBox(L"Size must be a number between 1 and 1638.", L"Font", MB_OK | MB_ICONWARNING);
    GetDlgItem(kSize)->SetFocus();
    return;
  }
  m_choice = choice;
  EndDialog(IDOK);
}
