#include "host/render/CMEGShow2DFaceqv.h"

#include "host/render/CDlgMapFrameSize.h"

int CMEGShow2DFaceqv::showDlgMapFramSiz(int& useStdProjection, int& size2D, CWnd* parent) {
  CDlgMapFrameSize dialog(parent);
  dialog.m_bUseStdProjection = useStdProjection != 0 ? 1 : 0;
  dialog.m_nProjection2DSize = size2D;
  if (dialog.DoModal() != IDOK) return 0;
  useStdProjection = dialog.m_bUseStdProjection;
  size2D = dialog.m_nProjection2DSize;
  return 1;
}
