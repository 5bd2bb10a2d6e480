#include "platform/ui/UiServices.h"

#include "platform/ui/CDialog.h"

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

namespace {

// The next scripted answer, or the fallback when the script has none left.
template <class T>
T nextAnswer(std::deque<T>& answers, T fallback) {
  if (answers.empty()) return fallback;
  T answer = std::move(answers.front());
  answers.pop_front();
  return answer;
}

}  // namespace

int ScriptedServices::messageBox(const MessageBoxRequest& request) {
  messageBoxes.push_back(request);
  if (!m_boxAnswers.empty()) return nextAnswer(m_boxAnswers, IDOK);
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
  return nextAnswer<std::optional<CString>>(m_fileAnswers, std::nullopt);
}

std::optional<FontChoice> ScriptedServices::fontDialog(const FontDialogRequest& request) {
  fontDialogs.push_back(request);
  return nextAnswer<std::optional<FontChoice>>(m_fontAnswers, std::nullopt);
}

UINT ScriptedServices::popupMenu(const PopupMenuRequest& request) {
  popups.push_back(request);
  return nextAnswer<UINT>(m_popupAnswers, 0);
}

void ScriptedServices::runModal(CDialog& dialog) {
  ++modalDialogsRun;
  if (auto script = nextAnswer<std::function<void(CDialog&)>>(m_modalScripts, nullptr)) {
    script(dialog);
    AfxGetApp()->pumpUntilIdle();
  }
  if (dialog.isModalRunning()) dialog.EndDialog(IDCANCEL);
}
