#include "app/ViewerMainWindow.h"

#include <algorithm>
#include <sstream>

#include "app/OutputFiles.h"
#include "app/SettingsFile.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/CommonDialogs.h"

namespace spctmview {
namespace {

// What a window's button says: "Single channel: Active", "MEG flags: Results" ...;
// windows of another pattern show their name.
CString buttonCaption(const std::string& name) {
  static const std::pair<const char*, const char*> words[] = {
      {"single", "Single channel"}, {"flags", "flags"},      {"field", "field/lines"}, {"act", "Active"},
      {"ctl", "Control"},           {"rst", "Results"},      {"stdset", "display parameters"}};
  auto word = [&](const std::string& w) -> std::string {
    for (const auto& [key, text] : words) {
      if (w == key) return text;
    }
    return w == "meg" || w == "eeg" ? std::string(w == "meg" ? "MEG" : "EEG") : w;
  };
  if (name == "measure") return L"Measurements";
  const size_t dash = name.find('-');
  if (dash == std::string::npos) return CString(name.c_str());
  const std::string kind = name.substr(0, dash), rest = name.substr(dash + 1);
  const size_t second = rest.find('-');
  std::string text;
  if (kind == "single") text = word(kind) + ": " + word(rest);
  else if (kind == "stdset") text = word(rest) + " " + word(kind);
  else if (second != std::string::npos) text = word(rest.substr(0, second)) + " " + word(kind) + ": " + word(rest.substr(second + 1));
  else text = name;
  return CString(text.c_str());
}

DialogItemTemplate item(ControlClass kind, int id, const CString& caption, int x, int y, int cx, int cy, DWORD style = 0) {
  return {kind, id, caption, x, y, cx, cy, WS_CHILD | WS_VISIBLE | style};
}

CString datasetSummary(const CArrayMEDataSetqv& dataset) {
  const CMEGDataqv* session = dataset.getSessionData(-1);
  const CMDTrialqv* trial = session ? session->getCurrentTrialPt() : nullptr;
  if (!trial) return L"No session is loaded.";
  std::int64_t meg = 0, eeg = 0;
  for (std::int64_t i = 0; i < trial->getTotalChannel(); ++i) {
    if (const CMDChannelqv* ch = trial->getChannel(i)) (ch->isEEGMeasureChannel() ? eeg : meg)++;
  }
  std::wostringstream text;
  text << session->getSessionName() << L": " << trial->getTotalChannel() << L" channels (" << meg << L" MEG, " << eeg
       << L" EEG), " << session->getTotalTrial() << L" trials";
  return text.str().c_str();
}

}  // namespace

ViewerMainWindow::ViewerMainWindow() {
  const auto& windows = snapshotWindows();
  const int rows = static_cast<int>((windows.size() + 2) / 3);
  const int windowsBottom = 74 + 18 * rows;
  m_template.caption = L"spctm-view";
  m_template.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  m_template.cx = 300;
  m_template.cy = windowsBottom + 74;
  auto& items = m_template.items;
  items.push_back(item(ControlClass::Static, kSummary, L"Loading the dataset...", 7, 7, 286, 8));
  items.push_back(item(ControlClass::Static, -1, L"Classes: Active, Control, Results", 7, 18, 286, 8));
  items.push_back(item(ControlClass::Static, kStatus, L"", 7, 29, 286, 8));
  items.push_back(item(ControlClass::Static, -1, L"Trial:", 7, 46, 30, 8));
  items.push_back(item(ControlClass::ComboBox, kTrial, L"", 40, 44, 130, 200, WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL));
  items.push_back(item(ControlClass::Button, -1, L"Windows", 7, 62, 286, windowsBottom - 62 + 2, BS_GROUPBOX));
  for (size_t i = 0; i < windows.size(); ++i) {
    const int col = static_cast<int>(i % 3), row = static_cast<int>(i / 3);
    items.push_back(item(ControlClass::Button, kFirstWindowButton + static_cast<int>(i), buttonCaption(windows[i].name),
                         13 + 94 * col, 74 + 18 * row, 88, 14, WS_TABSTOP | BS_PUSHBUTTON));
  }
  int y = windowsBottom + 10;
  items.push_back(item(ControlClass::Button, kLoadSettings, L"Load draw settings...", 7, y, 100, 14, WS_TABSTOP));
  items.push_back(item(ControlClass::Button, kSaveSettings, L"Save draw settings...", 113, y, 100, 14, WS_TABSTOP));
  y += 20;
  items.push_back(item(ControlClass::Static, -1, L"Window:", 7, y + 2, 34, 8));
  items.push_back(item(ControlClass::ComboBox, kPngWindow, L"", 44, y, 163, 150, WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL));
  items.push_back(item(ControlClass::Button, kSavePng, L"Save as PNG...", 213, y, 80, 14, WS_TABSTOP));
  y += 22;
  items.push_back(item(ControlClass::Button, IDCANCEL, L"Quit", 243, y, 50, 14, WS_TABSTOP));
}

ViewerMainWindow::~ViewerMainWindow() {
  // This window goes while its handlers exist; the facade, a member, then destroys the
  // library's windows.
  if (m_hWnd) DestroyWindow();
}

bool ViewerMainWindow::open() {
  if (!CreateIndirect(m_template, nullptr)) return false;
  enableDatasetControls(m_dataset != nullptr);
  ShowWindow(SW_SHOW);
  SetForegroundWindow();
  return true;
}

void ViewerMainWindow::enableDatasetControls(bool enable) {
  for (CWnd* child : GetChildren()) {
    const int id = child->GetDlgCtrlID();
    if (id >= kTrial) child->EnableWindow(enable ? TRUE : FALSE);
  }
}

void ViewerMainWindow::watchLoading(std::function<std::string()> progress) {
  m_progress = std::move(progress);
  SetTimer(1, 100);
}

void ViewerMainWindow::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == 1 && m_progress) setStatus(CString(m_progress().c_str()));
}

void ViewerMainWindow::setDataset(CArrayMEDataSetqv& dataset) {
  KillTimer(1);
  m_progress = nullptr;
  m_dataset = &dataset;
  m_face.m_draw.setDrawMEGData(&dataset);
  m_scene.emplace(SnapshotScene{dataset, m_face, 0, 2, SingleViewOptions{}, 0});
  SetDlgItemText(kSummary, datasetSummary(dataset));
  auto* trials = static_cast<CComboBox*>(GetDlgItem(kTrial));
  trials->ResetContent();
  if (const CMEGDataqv* session = dataset.getSessionData(-1)) {
    for (std::int64_t i = 0; i < session->getTotalTrial(); ++i) {
      const int at = trials->AddString(session->getTrialqv(i)->m_strName.c_str());
      if (session->getTrialqv(i) == session->getCurrentTrialPt()) trials->SetCurSel(at);
    }
  }
  enableDatasetControls(true);
  setStatus(L"Open a window below.");
}

void ViewerMainWindow::setStatus(const CString& text) { SetDlgItemText(kStatus, text); }

CWnd* ViewerMainWindow::openWindow(const std::string& name) {
  const auto& windows = snapshotWindows();
  const auto it = std::find_if(windows.begin(), windows.end(), [&](const SnapshotWindow& w) { return name == w.name; });
  if (it == windows.end()) return nullptr;
  std::string error;
  CWnd* wnd = m_scene ? it->open(*m_scene, error) : nullptr;
  if (!wnd) {
    MessageBox(CString(("Cannot open the window: " + error).c_str()), nullptr, MB_OK | MB_ICONERROR);
    return nullptr;
  }
  const bool first = std::none_of(m_opened.begin(), m_opened.end(), [&](const auto& o) { return o.first == name; });
  if (first) {
    // New windows stand beside the main window, each a little lower than the last.
    CRect mine, theirs;
    GetWindowRect(&mine);
    wnd->GetWindowRect(&theirs);
    const int step = 28 * static_cast<int>(m_opened.size());
    wnd->MoveWindow(mine.right + 8 + step, mine.top + step, theirs.Width(), theirs.Height());
    m_opened.emplace_back(name, wnd);
    listOpenWindows();
  }
  wnd->ShowWindow(SW_SHOW);
  wnd->SetForegroundWindow();
  setStatus(buttonCaption(name) + L" is open.");
  return wnd;
}

void ViewerMainWindow::listOpenWindows() {
  auto* list = static_cast<CComboBox*>(GetDlgItem(kPngWindow));
  const int keep = list->GetCurSel();
  list->ResetContent();
  for (const auto& [name, wnd] : m_opened) list->AddString(buttonCaption(name));
  list->SetCurSel(keep >= 0 ? keep : static_cast<int>(m_opened.size()) - 1);
}

bool ViewerMainWindow::chooseTrial(int index) {
  CMEGDataqv* session = m_dataset ? m_dataset->getSessionData(-1) : nullptr;
  if (!session || index < 0 || index >= session->getTotalTrial()) return false;
  {
    CWaitCursor wait;
    setStatus(L"Computing the trial's spectra...");
    AfxGetApp()->pumpUntilIdle();
    session->setCurrentTrial(index);
    m_face.m_draw.setDrawMEGData(m_dataset);
  }
  reopenAll();
  static_cast<CComboBox*>(GetDlgItem(kTrial))->SetCurSel(index);
  setStatus(CString(L"Trial: ") + session->getTrialqv(index)->m_strName.c_str());
  return true;
}

void ViewerMainWindow::reopenAll() {
  std::string error;
  for (const auto& [name, wnd] : m_opened) {
    const auto& windows = snapshotWindows();
    const auto it = std::find_if(windows.begin(), windows.end(), [&](const SnapshotWindow& w) { return name == w.name; });
    const bool shown = wnd->IsWindowVisible();
    if (it->open(*m_scene, error) && !shown) wnd->ShowWindow(SW_HIDE);
  }
}

bool ViewerMainWindow::saveWindowPng(const std::string& name, const std::string& path, std::string& error) {
  for (const auto& [n, wnd] : m_opened) {
    if (n == name) return writeWindowPng(*wnd, path, &error);
  }
  error = "the window " + name + " is not open";
  return false;
}

void ViewerMainWindow::askSavePng() {
  const int chosen = static_cast<CComboBox*>(GetDlgItem(kPngWindow))->GetCurSel();
  if (chosen < 0 || chosen >= static_cast<int>(m_opened.size())) {
    MessageBox(L"Open a window first; then choose it here to save its picture.", nullptr, MB_OK | MB_ICONINFORMATION);
    return;
  }
  const std::string& name = m_opened[static_cast<size_t>(chosen)].first;
  CFileDialog dialog(FALSE, L"png", CString((name + ".png").c_str()), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                     L"PNG image (*.png)|*.png|All Files (*.*)|*.*||", this);
  if (dialog.DoModal() != IDOK) return;
  std::string error;
  if (saveWindowPng(name, dialog.GetPathName().utf8(), error)) setStatus(L"Wrote " + dialog.GetPathName());
  else MessageBox(CString(("Cannot save the picture: " + error).c_str()), nullptr, MB_OK | MB_ICONERROR);
}

void ViewerMainWindow::askLoadSettings() {
  CFileDialog dialog(TRUE, L"settings", nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                     L"Draw settings (*.settings)|*.settings|All Files (*.*)|*.*||", this);
  if (dialog.DoModal() != IDOK) return;
  std::ostringstream err;
  if (!loadDrawSettings(m_face.m_draw, dialog.GetPathName().utf8(), err)) {
    MessageBox(CString(err.str().c_str()), nullptr, MB_OK | MB_ICONERROR);
    return;
  }
  reopenAll();
  setStatus(L"Loaded " + dialog.GetPathName());
}

void ViewerMainWindow::askSaveSettings() {
  CFileDialog dialog(FALSE, L"settings", L"draw.settings", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                     L"Draw settings (*.settings)|*.settings|All Files (*.*)|*.*||", this);
  if (dialog.DoModal() != IDOK) return;
  std::ostringstream err;
  const OutputContent outputs[] = {{dialog.GetPathName().utf8(), drawSettingsRecord(m_face.m_draw)}};
  if (writeOutputs(outputs, "show", err)) setStatus(L"Saved " + dialog.GetPathName());
  else MessageBox(CString(err.str().c_str()), nullptr, MB_OK | MB_ICONERROR);
}

BOOL ViewerMainWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam), code = HIWORD(wParam);
  const int windowIndex = id - kFirstWindowButton;
  if (code == BN_CLICKED && windowIndex >= 0 && windowIndex < static_cast<int>(snapshotWindows().size())) {
    openWindow(snapshotWindows()[static_cast<size_t>(windowIndex)].name);
    return TRUE;
  }
  if (id == kTrial && code == CBN_SELCHANGE) {
    chooseTrial(static_cast<CComboBox*>(GetDlgItem(kTrial))->GetCurSel());
    return TRUE;
  }
  if (code == BN_CLICKED && id == kSavePng) askSavePng();
  else if (code == BN_CLICKED && id == kLoadSettings) askLoadSettings();
  else if (code == BN_CLICKED && id == kSaveSettings) askSaveSettings();
  else return CDialog::OnCommand(wParam, lParam);
  return TRUE;
}

void ViewerMainWindow::OnCancel() { DestroyWindow(); }

}  // namespace spctmview
