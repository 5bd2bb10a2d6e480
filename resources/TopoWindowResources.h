// Resources of the topographic windows: the flags window's templates 2146 (MEG) and 2151
// (EEG) with menu 2120, the contour field/line window's templates 2148 (MEG) and 2149
// (EEG) with menu 2133, their numbered controls and commands, the window icon and the
// cursor of the sensor-view mode. The windows (windows/topo) address them by number; the
// library's resource module adds them with addTopoWindowResources.
#pragma once

#include "platform/ui/Resources.h"

enum : UINT {
  IDD_MEG_TOPO_FLAGS = 2146,      // "Spectral Topographic Flags"
  IDD_EEG_TOPO_FLAGS = 2151,
  IDD_MEG_CONTOUR_FIELDLINE = 2148,  // "Spectral Countour Field/Line"
  IDD_EEG_CONTOUR_FIELDLINE = 2149,

  // Controls both windows have.
  IDC_TOPO_CLASS = 2081,         // combo: "Active", "Control", "Results" (disabled by the facade)
  IDC_TOPO_KIND = 2083,          // combo: "Real Data", "Imag Data", "Power/Phase"
  IDC_TOPO_LABEL = 2022,         // check "Label"
  IDC_TOPO_RADIOLOGY = 2104,     // check "Radiology"
  IDC_TOPO_NOSE_UP = 2027,       // check "Nose Up"
  IDC_TOPO_SENSOR = 2025,        // check "Sensor"
  IDC_TOPO_SCALE = 2028,         // check "Scale..." / "Scale Bar..."
  IDC_TOPO_INFO = 2030,          // check "Info..."
  IDC_TOPO_AUTOFIT_COLOR = 2032, // check "Autofit Color"
  IDC_TOPO_LINK_ONE = 2026,      // check "Link One Spctm"
  IDC_TOPO_STEP_X = 2035,        // edit "Step X"
  IDC_TOPO_STEP_Y = 2036,        // edit "Step Y"
  IDC_TOPO_SPEED = 2039,         // edit "Speed" (ms)
  IDC_TOPO_EDIT_A = 2037,        // edit: flags "Time (Wide)", contour "Threshold"
  IDC_TOPO_EDIT_B = 2038,        // edit: flags "Freq (Hight)", contour "Levels"
  IDC_TOPO_SENSOR_SIZE = 2034,   // edit "Sensor Size" / "Sns Sz"
  IDC_TOPO_SETTINGS = 2109,
  IDC_TOPO_RESET = 2015,
  IDC_TOPO_AUTOFIT = 2118,
  IDC_TOPO_SELECT = 2115,        // flags "Select", contour "Pick Senso"
  IDC_TOPO_MOVE = 2112,
  IDC_TOPO_START = 2114,         // "Start->"
  IDC_TOPO_REFRESH = 2078,
  IDC_TOPO_APPLY = 2012,
  IDC_TOPO_CANVAS = 2107,
  // Controls only the contour window has.
  IDC_CONTOUR_DISPLAY = 2085,    // combo: "Fields", "Lines", "Both"
  IDC_CONTOUR_TIME_BEGIN = 2007,
  IDC_CONTOUR_TIME_END = 2040,
  IDC_CONTOUR_FREQ_BEGIN = 2008,
  IDC_CONTOUR_FREQ_END = 2009,
  IDC_CONTOUR_TIME_RANGE = 2041, // read-only: "%0.3f~%0.3fms"
  IDC_CONTOUR_FREQ_RANGE = 2042, // read-only: "%0.3f~%0.3fHz"
  IDC_CONTOUR_GET_SELECT = 2110,

  // Menus and their commands.
  IDR_MENU_TOPO_FLAGS = 2120,
  IDR_MENU_CONTOUR_FIELDLINE = 2133,
  ID_TOPO_SHOW_FROM_SENSOR = 2121,
  ID_TOPO_LINK_SPECTRAL_ONE = 2119,
  ID_TOPO_SHOW_TF_INFO = 2146,
  ID_TOPO_TYPICAL_VIEW = 2130,
  ID_TOPO_SWITCH_SENSOR_SELECTION = 2131,
  ID_TOPO_SWITCH_SENSOR_VIEW = 2137,
  ID_TOPO_SENSOR_WIDE_1 = 2126,  // … ID_TOPO_SENSOR_WIDE_1 + 3 = "Sensor Wide 4"
  ID_TOPO_SENSOR_WIDE_4 = 2129,
  ID_TOPO_NAME_MONO_COLOR = 2133,
  ID_TOPO_NAME_SPATIAL_COLOR = 2135,
  ID_TOPO_NAME_FONT = 2138,
  ID_TOPO_NAME_RIGHT_4 = 2139,
  ID_TOPO_NAME_LEFT_4 = 2140,
  ID_TOPO_NAME_ALL = 2141,
  ID_TOPO_SWITCH_FIELD_SCALE = 2142,
  ID_CONTOUR_SHOW_HEAD_SHAPE = 2156,
  ID_CONTOUR_SWITCH_LINE_COLOR = 2152,
  ID_CONTOUR_SET_FRAME_SIZE = 2154,

  IDI_TOPO_WINDOW = 2001,
  // Cursors of the work modes: 0 and 2 the pointing hand 2136 and 1 the open hand 2050
  // of the single-channel window; 3 an eye over a sensor.
  IDC_TOPO_CURSOR_SELECT = 2136,
  IDC_TOPO_CURSOR_MOVE = 2050,
  IDC_TOPO_CURSOR_SENSOR_VIEW = 2151,
};

// Adds the four templates, the two menus, the icon and the sensor-view cursor.
void addTopoWindowResources(ResourceModule& module);
