// Resources of the single-channel spectrogram window: dialog template 2147 with its
// numbered controls, menu 2111, the window and button icons and the three mouse-mode
// cursors. The window (windows/single) addresses them by these numbers; the library's
// resource module (SpctmResources.cpp) adds them with addSpctm1CResources.
#pragma once

#include "platform/ui/Resources.h"

enum : UINT {
  IDD_SPCTM_1C = 2147,  // "Single Spectral Map"

  // Controls of template 2147.
  IDC_SPCTM1C_CLASS = 2084,      // combo: spectral class (disabled)
  IDC_SPCTM1C_KIND = 2088,       // combo: data kind
  IDC_SPCTM1C_STATISTIC = 2113,  // combo: channel statistic
  IDC_SPCTM1C_CHANNEL = 2116,    // combo: channel list
  IDC_SPCTM1C_SETTING = 2016,    // icon button "setting"
  IDC_SPCTM1C_NORMAL = 2014,     // icon button "Normal"
  IDC_SPCTM1C_MOVE = 2013,       // icon button "Move"
  IDC_SPCTM1C_ZOOM_IN = 2017,    // icon button "In"
  IDC_SPCTM1C_ZOOM_OUT = 2018,   // icon button "out"
  IDC_SPCTM1C_AUTOFIT = 2077,
  IDC_SPCTM1C_REFRESH = 2090,
  IDC_SPCTM1C_RESET = 2075,
  IDC_SPCTM1C_MOVE_WAVE = 2021,  // icon button "Move wave"
  IDC_SPCTM1C_AM = 2019,         // icon button "AM"
  IDC_SPCTM1C_SM = 2023,         // icon button "SM"
  IDC_SPCTM1C_UPDATE = 2073,
  IDC_SPCTM1C_SELECT = 2024,     // check "Select..."
  IDC_SPCTM1C_FREQ_SPIN = 2054,  // up-down: frequency selection
  IDC_SPCTM1C_TIME_SPIN = 2053,  // up-down: time selection
  IDC_SPCTM1C_INFO = 2026,       // check "Info..."
  IDC_SPCTM1C_SCALE = 2028,      // check "Scale..."
  IDC_SPCTM1C_MEASURE = 2029,    // check "Measure..."
  IDC_SPCTM1C_WAVE = 2031,       // check "Wave..."
  IDC_SPCTM1C_ZOOM_SPIN = 2055,  // up-down: channel display zoom
  IDC_SPCTM1C_CANVAS = 2020,     // the spectrogram canvas
  IDC_SPCTM1C_LINK_MAP = 2032,   // check "Link Map Select"
  IDC_SPCTM1C_ALL_SNS = 2025,    // icon button "All Sns"
  IDC_SPCTM1C_ALL_SPCTM = 2027,

  // Menu 2111 and its commands, sent to the window by command ID.
  IDR_SPCTM1C_MENU = 2111,
  ID_SPCTM1C_ROOT_STRIP = 2117,        // "Process" > "Root Strip"
  ID_SPCTM1C_LINK_CONTOUR_MAP = 2067,  // "View" > "Link Contour Map..."

  // Icons.
  IDI_SPCTM1C_WINDOW = 2005,
  IDI_SPCTM1C_SETTING = 2072,    // pencil drawing a coloured line
  IDI_SPCTM1C_NORMAL = 2065,     // arrow pointer
  IDI_SPCTM1C_MOVE = 2060,       // hand over a colour band
  IDI_SPCTM1C_ZOOM_IN = 2097,    // magnifier with plus
  IDI_SPCTM1C_ZOOM_OUT = 2102,   // magnifier with minus
  IDI_SPCTM1C_MOVE_WAVE = 2106,  // hand over a waveform
  IDI_SPCTM1C_AM = 2074,         // calculator labelled AM
  IDI_SPCTM1C_SM = 2110,         // calculator labelled SM
  IDI_SPCTM1C_ALL_SNS = 2153,    // the words ALL Chnl

  // Cursors of the three mouse modes.
  IDC_SPCTM1C_CURSOR_NORMAL = 2136,     // pointing hand, hot spot at the finger tip (12, 3)
  IDC_SPCTM1C_CURSOR_MOVE = 2050,       // open hand over a colour band, hot spot (17, 13)
  IDC_SPCTM1C_CURSOR_MOVE_WAVE = 2103,  // open hand over a waveform, hot spot (17, 13)
};

// Adds template 2147, menu 2111, the icons and the cursors above to `module`.
void addSpctm1CResources(ResourceModule& module);
