// The frame-size dialog of the contour map: whether the sensor layout comes from the
// standard projection, and the size handed to the host's 2-D scan otherwise. Opened
// modally by CMEGShow2DFaceqv::showDlgMapFramSiz; template IDD_MAP_FRAME_SIZE.
// Headless runs script it through the platform's service face like any modal dialog.
#pragma once

#include "platform/ui/CDialog.h"

class CDlgMapFrameSize : public CDialog {
 public:
  // Sizes accepted for the 2-D scan: the layout's larger side in layout units, which is
  // also about the side of the interpolation grid in points.
  static constexpr int kMinSize = 10;
  static constexpr int kMaxSize = 2000;

  explicit CDlgMapFrameSize(CWnd* pParent = nullptr);

  // Exchanged with the controls: check box state (0 or 1) and the 2-D size.
  int m_bUseStdProjection = 0;
  int m_nProjection2DSize = 100;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // Refuses a size outside kMinSize to kMaxSize with a message box and keeps the dialog
  // open on the edit; otherwise ends it with IDOK.
  void OnOK() override;
};
