#include "host/render/CDlgMapFrameSize.h"

#include "host/render/HostRenderResources.h"
#include "platform/ui/CommonDialogs.h"

CDlgMapFrameSize::CDlgMapFrameSize(CWnd* pParent) : CDialog(IDD_MAP_FRAME_SIZE, pParent) {}

void CDlgMapFrameSize::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Check(pDX, IDC_FRAME_STD_PROJECTION, m_bUseStdProjection);
  DDX_Text(pDX, IDC_FRAME_2D_SIZE, m_nProjection2DSize);
}

void CDlgMapFrameSize::OnOK() {
  // Read into copies first: a refused size must leave both fields as they were.
  const int useStd = m_bUseStdProjection, size = m_nProjection2DSize;
  if (!UpdateData(TRUE)) return;
  if (m_nProjection2DSize < kMinSize || m_nProjection2DSize > kMaxSize) {
    m_bUseStdProjection = useStd;
    m_nProjection2DSize = size;
    CString message;
    message.Format(L"The 2D size must be a whole number from %d to %d.", kMinSize, kMaxSize);
    AfxMessageBox(message.GetString(), MB_OK | MB_ICONWARNING);
    if (CWnd* edit = GetDlgItem(IDC_FRAME_2D_SIZE)) edit->SetFocus();
    return;
  }
  EndDialog(IDOK);
}
