// The faces of the services that need a person: message boxes, the file and font
// dialogs, pop-up menus and modal dialog loops. UiServices is the seam; the headless
// face, ScriptedServices, answers from presets and records every request, so tests and
// snapshot runs never block. An interactive face implements the same interface.
// Callers reach the current face through AfxGetApp()->services().
#pragma once

#include "platform/gdi/CString.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Resources.h"

#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class CDialog;

struct MessageBoxRequest {
  HWND owner = nullptr;
  CString text;
  CString caption;
  UINT type = MB_OK;
};

struct FileDialogRequest {
  HWND owner = nullptr;
  bool open = false;  // false: a save dialog
  CString defaultExt;
  CString fileName;
  DWORD flags = 0;
  // The filter text split into (description, pattern) pairs:
  // "Text file (*.doc)|*.doc|All Files(*.*)|*.*||" gives two pairs.
  std::vector<std::pair<CString, CString>> filters;
};

// A font as the font dialog offers it; size in tenths of a point.
struct FontChoice {
  CString faceName = L"Arial";
  int pointSizeTenths = 120;
  LONG weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  COLORREF color = 0;
};

struct FontDialogRequest {
  HWND owner = nullptr;
  FontChoice initial;
  DWORD flags = 0;
};

// A menu item as a pop-up shows it: text, command, separator, state, sub-items.
struct MenuEntry {
  CString text;
  UINT id = 0;
  bool separator = false;
  bool checked = false;
  bool grayed = false;
  std::vector<MenuEntry> popup;
};

struct PopupMenuRequest {
  HWND owner = nullptr;
  CPoint screenPoint;
  UINT flags = 0;
  std::vector<MenuEntry> items;
};

class UiServices {
 public:
  virtual ~UiServices() = default;
  // The button pressed: IDOK, IDCANCEL, IDYES, IDNO ...
  virtual int messageBox(const MessageBoxRequest& request) = 0;
  // The chosen path, or nothing when cancelled.
  virtual std::optional<CString> fileDialog(const FileDialogRequest& request) = 0;
  virtual std::optional<FontChoice> fontDialog(const FontDialogRequest& request) = 0;
  // The chosen command, or 0 when the menu was dismissed.
  virtual UINT popupMenu(const PopupMenuRequest& request) = 0;
  // Lets the person work with a modal dialog that is shown and initialised. Returns when
  // the dialog has ended; a face that cannot wait ends it with IDCANCEL.
  virtual void runModal(CDialog& dialog) = 0;
};

// Splits "desc|pattern|desc|pattern||" into pairs; a trailing description without a
// pattern is dropped.
std::vector<std::pair<CString, CString>> parseFileFilter(const CString& filter);

// The headless face. Answers come from queues filled by the test or snapshot run; when a
// queue is empty the face gives a safe default: the first button of a message box
// (OK, Abort, Yes or Retry), cancel for the file and font dialogs, nothing chosen from a
// pop-up, and IDCANCEL for a modal dialog.
class ScriptedServices : public UiServices {
 public:
  void queueMessageBoxAnswer(int answer) { m_boxAnswers.push_back(answer); }
  void queueFilePath(const CString& path) { m_fileAnswers.emplace_back(path); }
  void queueFileCancel() { m_fileAnswers.emplace_back(std::nullopt); }
  void queueFont(const FontChoice& font) { m_fontAnswers.emplace_back(font); }
  void queueFontCancel() { m_fontAnswers.emplace_back(std::nullopt); }
  // 0 dismisses the pop-up.
  void queuePopupCommand(UINT id) { m_popupAnswers.push_back(id); }
  // Runs while the next modal dialog waits for input, acting as the person (clicks,
  // typing through UserInput, or direct calls). If the dialog is still running
  // afterwards it is ended with IDCANCEL.
  void queueModalScript(std::function<void(CDialog&)> script) { m_modalScripts.push_back(std::move(script)); }

  int messageBox(const MessageBoxRequest& request) override;
  std::optional<CString> fileDialog(const FileDialogRequest& request) override;
  std::optional<FontChoice> fontDialog(const FontDialogRequest& request) override;
  UINT popupMenu(const PopupMenuRequest& request) override;
  void runModal(CDialog& dialog) override;

  // Every request, in order.
  std::vector<MessageBoxRequest> messageBoxes;
  std::vector<FileDialogRequest> fileDialogs;
  std::vector<FontDialogRequest> fontDialogs;
  std::vector<PopupMenuRequest> popups;
  int modalDialogsRun = 0;

 private:
  std::deque<int> m_boxAnswers;
  std::deque<std::optional<CString>> m_fileAnswers;
  std::deque<std::optional<FontChoice>> m_fontAnswers;
  std::deque<UINT> m_popupAnswers;
  std::deque<std::function<void(CDialog&)>> m_modalScripts;
};
