#include "platform/afxservices.h"

#include "platform/afxdlg.h"

std::vector<std::pair<CString, CString>> parseFileFilter(const CString& filter) {
  std::vector<std::pair<CString, CString>> out;
  std::vector<CString> parts;
  int start = 0;
  for (int bar = filter.Find(L'|'); bar >= 0; bar = filter.Find(L'|', start)) {
    parts.push_back(filter.Mid(start, bar - start));
    start = bar + 1;
  }
  if (start < filter.GetLength()) parts.push_back(filter.Mid(start));
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].IsEmpty() && parts[i + 1].IsEmpty()) break;  // the closing "||"
    out.emplace_back(parts[i], parts[i + 1]);
  }
  return out;
}

int ScriptedServices::messageBox(const MessageBoxRequest& request) {
  messageBoxes.push_back(request);
  if (!m_boxAnswers.empty()) {
    const int answer = m_boxAnswers.front();
    m_boxAnswers.pop_front();
    return answer;
  }
  switch (request.type & MB_TYPEMASK) {
    case MB_ABORTRETRYIGNORE: return IDABORT;
    case MB_YESNOCANCEL:
    case MB_YESNO: return IDYES;
    case MB_RETRYCANCEL: return IDRETRY;
    default: return IDOK;
  }
}

std::optional<CString> ScriptedServices::fileDialog(const FileDialogRequest& request) {
  fileDialogs.push_back(request);
  if (m_fileAnswers.empty()) return std::nullopt;
  std::optional<CString> answer = m_fileAnswers.front();
  m_fileAnswers.pop_front();
  return answer;
}

std::optional<FontChoice> ScriptedServices::fontDialog(const FontDialogRequest& request) {
  fontDialogs.push_back(request);
  if (m_fontAnswers.empty()) return std::nullopt;
  std::optional<FontChoice> answer = m_fontAnswers.front();
  m_fontAnswers.pop_front();
  return answer;
}

UINT ScriptedServices::popupMenu(const PopupMenuRequest& request) {
  popups.push_back(request);
  if (m_popupAnswers.empty()) return 0;
  const UINT answer = m_popupAnswers.front();
  m_popupAnswers.pop_front();
  return answer;
}

void ScriptedServices::runModal(CDialog& dialog) {
  ++modalDialogsRun;
  if (!m_modalScripts.empty()) {
    const std::function<void(CDialog&)> script = std::move(m_modalScripts.front());
    m_modalScripts.pop_front();
    script(dialog);
    AfxGetApp()->pumpUntilIdle();
  }
  if (dialog.isModalRunning()) dialog.EndDialog(IDCANCEL);
}
