// The host's base 2-D display facade, as far as the display library uses it: a temporary
// object through which the contour-map window opens the frame-size dialog. Needs the
// platform's application object (AfxGetApp) for the modal run; headless runs are
// answered by the scripted service face.
#pragma once

class CWnd;

class CMEGShow2DFaceqv {
 public:
  // Opens the modal frame-size dialog (owned by `parent`, may be null) showing
  // useStdProjection (non-zero: checked) and size2D. When the user accepts, stores the
  // edited values (useStdProjection 0 or 1, size2D within 10 to 2000) and returns 1;
  // on Cancel, or when the dialog cannot be made, leaves both unchanged and returns 0.
  int showDlgMapFramSiz(int& useStdProjection, int& size2D, CWnd* parent = nullptr);
};
