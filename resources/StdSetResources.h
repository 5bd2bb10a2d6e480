// Resources of the two standard display-parameter dialogs (MEG and EEG twins): their
// templates, which differ only in caption and in the polarity check box's caption, the
// control numbers both share, and the dialogs' icon. Added to the library's module by
// SpctmResources.cpp; the dialogs in windows/dialogs address the controls by these names.
#pragma once

#include "platform/ui/Resources.h"

enum : UINT {
  IDD_MEG_SPCTM_STD_SET = 2145,  // "Standard Display Parameters for 2D MEG Spectrum"
  IDD_EEG_SPCTM_STD_SET = 2150,  // "Standard Display Parameters for 2D EEG Spectrum"
  IDI_SPCTM_STD_SET = 2007,      // the window icon of both

  IDC_STD_COMBO_CLASS = 2086,    // spectral class: Active, Control, Results
  IDC_STD_COMBO_KIND = 2083,     // data kind: Real Data, Imag Data, Power/Phase
  IDC_STD_POLARITY = 2000,       // check box: polarity view
  IDC_STD_LOW_LABEL = 2056,      // centred label above the low bar
  IDC_STD_LOW_SCROLL = 2095,     // horizontal bar of the select minimum
  IDC_STD_HIGH_LABEL = 2058,     // centred label above the high bar
  IDC_STD_HIGH_SCROLL = 2099,    // horizontal bar of the select maximum
  IDC_STD_SELECT_MIN = 2040,     // edits
  IDC_STD_SELECT_MAX = 2041,
  IDC_STD_TRIAL_MIN = 2042,      // read-only edits
  IDC_STD_TRIAL_MAX = 2043,
  IDC_STD_CHNL_MIN = 2044,
  IDC_STD_CHNL_MAX = 2052,
  IDC_STD_GET_RANGE = 2089,      // buttons
  IDC_STD_TRIAL_TO_SELECT = 2092,
  IDC_STD_CHNL_TO_SELECT = 2094,
  IDC_STD_CHECK_SPECTRUM = 2091,
  IDC_STD_AUTOFIT_TRIAL = 2100,
  IDC_STD_AUTOFIT_CHNL = 2101,
  IDC_STD_DEPTH_256 = 2046,      // radio group, in this order: 256, 512, 768, 1024 colours
  IDC_STD_DEPTH_512 = 2048,
  IDC_STD_DEPTH_768 = 2047,
  IDC_STD_DEPTH_1024 = 2045,
  IDC_STD_RAW_DATA = 2098,
  IDC_STD_REFRESH = 2096,
  IDC_STD_UPDATE = 2051,
  IDC_STD_APPLY = 2049,
};

// Adds both templates and the icon to a module.
void addStdSetResources(ResourceModule& module);
