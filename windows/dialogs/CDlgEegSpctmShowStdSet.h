// The EEG standard display-parameter dialog (template 2150, "Magnetic Polarity View").
// Everything but its template is shared with the MEG twin
// (windows/dialogs/CDlgSpctmShowStdSet.h). The facade creates it once with Create(IDD)
// and keeps it.
#pragma once

#include "resources/StdSetResources.h"
#include "windows/dialogs/CDlgSpctmShowStdSet.h"

class CDlgEegSpctmShowStdSet : public CDlgSpctmShowStdSet {
 public:
  enum { IDD = IDD_EEG_SPCTM_STD_SET };
  explicit CDlgEegSpctmShowStdSet(CWnd* pParent = nullptr) : CDlgSpctmShowStdSet(IDD, pParent) {}
};
