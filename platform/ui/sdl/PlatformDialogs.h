// The service dialogs of the interactive face, drawn by the platform in its own look from
// templates built here (their size follows their text): the message box, the save and
// open file dialog (folder, a name box listing the folder's files of the chosen type, the file type,
// the overwrite question)
// and the font dialog (face, size, style, effects and colour, a sample). Each runs as a
// modal CDialog, so it works under either face; InteractiveFace opens them for the
// services. Limits: one file per file dialog; faces offered are the platform's aliases.
#pragma once

#include "platform/ui/CDialog.h"
#include "platform/ui/UiServices.h"

#include <memory>
#include <optional>

class MessageBoxDialog : public CDialog {
 public:
  explicit MessageBoxDialog(const MessageBoxRequest& request);
  // The button pressed (IDOK, IDYES ...); Escape answers IDCANCEL only where a Cancel
  // button exists, and IDOK for a box with OK alone.
  int run() { return static_cast<int>(DoModal()); }
  const DialogTemplate& dialogTemplate() const { return m_template; }

  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnCancel() override;
  // The first letter of Yes, No, Abort, Retry or Ignore answers with that button.
  BOOL PreTranslateMessage(MSG* pMsg) override;

 private:
  DialogTemplate m_template;
  UINT m_type;
};

class FileDialogWindow : public CDialog {
 public:
  explicit FileDialogWindow(const FileDialogRequest& request);
  // The chosen path, or nothing when cancelled.
  std::optional<CString> run();
  const DialogTemplate& dialogTemplate() const { return m_template; }

  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnOK() override;

  static constexpr int kFolder = 1001, kName = 1002, kType = 1003;

 private:
  // Lists the folder's files that match the chosen type in the name box.
  void listFiles();

  FileDialogRequest m_request;
  DialogTemplate m_template;
  CString m_path;
};

class FontDialogWindow : public CDialog {
 public:
  explicit FontDialogWindow(const FontDialogRequest& request);
  std::optional<FontChoice> run();
  const DialogTemplate& dialogTemplate() const { return m_template; }

  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnOK() override;

  static constexpr int kFace = 1101, kSize = 1102, kBold = 1103, kItalic = 1104, kUnderline = 1105,
                       kStrikeOut = 1106, kColour = 1107, kSample = 1108;

 private:
  // The choice the controls show now; false when the size is not a number.
  bool readChoice(FontChoice& choice);
  FontDialogRequest m_request;
  DialogTemplate m_template;
  FontChoice m_choice;
  std::unique_ptr<CWnd> m_sample;
};
