// The main window of `spctm-view show`: what the dataset holds (session, channels,
// trials, the three classes), the trial the windows show (the average, an epoch, the
// segments), one button per window of the library, opened through the facade as the
// snapshot command's table lists them, loading and saving the draw settings, and saving
// any open window as PNG. It is on the screen before the dataset is there, saying how
// its loading goes, and is given the dataset when it is. It owns the facade, so closing
// it closes every window of the library. Used by the show command; works under either
// service face.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/SnapshotCommand.h"
#include "platform/ui/CDialog.h"

namespace spctmview {

class ViewerMainWindow : public CDialog {
 public:
  ViewerMainWindow();
  ~ViewerMainWindow() override;

  // Makes the window and shows it, its dataset's controls disabled until setDataset;
  // false when it cannot be made.
  bool open();
  // While the dataset loads: the status line shows progress(), asked every 100 ms.
  void watchLoading(std::function<std::string()> progress);
  // The dataset the windows show (kept by the caller, alive as long as this window):
  // the summary and trials are listed and every control is enabled.
  void setDataset(CArrayMEDataSetqv& dataset);
  void setStatus(const CString& text);
  // Opens (or shows again) a window of snapshotWindows() by name; null, after telling
  // the person why, when it cannot.
  CWnd* openWindow(const std::string& name);
  // Makes the trial at `index` of the current session current and shows it in every
  // open window; false for an index outside the session's trials.
  bool chooseTrial(int index);
  // Writes an open window's picture; the reason in `error` when it cannot.
  bool saveWindowPng(const std::string& name, const std::string& path, std::string& error);
  // The open windows, in the order they were first opened.
  const std::vector<std::pair<std::string, CWnd*>>& openWindows() const { return m_opened; }
  CMEGSpctmShow2DFaceqv& face() { return m_face; }

  static constexpr int kSummary = 99, kStatus = 100, kTrial = 101, kPngWindow = 102, kSavePng = 103, kLoadSettings = 104,
                       kSaveSettings = 105, kFirstWindowButton = 200;

  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnCancel() override;
  void OnOK() override {}
  void OnTimer(UINT_PTR nIDEvent) override;

 private:
  void enableDatasetControls(bool enable);
  void listOpenWindows();
  void askSavePng();
  void askLoadSettings();
  void askSaveSettings();
  // The windows show the engine's state again after the trial or the settings changed.
  void reopenAll();

  CArrayMEDataSetqv* m_dataset = nullptr;
  CMEGSpctmShow2DFaceqv m_face;
  std::optional<SnapshotScene> m_scene;
  std::function<std::string()> m_progress;
  DialogTemplate m_template;
  std::vector<std::pair<std::string, CWnd*>> m_opened;
};

}  // namespace spctmview
