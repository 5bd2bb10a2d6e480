// The MEG standard display-parameter dialog (template 2145, "Polarity View"). Everything
// but its template is shared with the EEG twin (windows/dialogs/CDlgSpctmShowStdSet.h).
// The facade creates it once with Create(IDD) and keeps it.
#pragma once

#include "resources/StdSetResources.h"
#include "windows/dialogs/CDlgSpctmShowStdSet.h"

class CDlgMegSpctmShowStdSet : public CDlgSpctmShowStdSet {
 public:
  enum { IDD = IDD_MEG_SPCTM_STD_SET };
  explicit CDlgMegSpctmShowStdSet(CWnd* pParent = nullptr) : CDlgSpctmShowStdSet(IDD, pParent) {}
};
