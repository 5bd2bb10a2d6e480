// Resources of the spectral measurement dialog: its template (mode combo, time and
// frequency window edits with their converted read-only twins, buttons, check boxes and
// the rich text box of the results) and its window icon. Added to the library's module
// by SpctmResources.cpp; windows/dialogs/CDlgSpctrMeasurements addresses the controls by
// these names.
#pragma once

#include "platform/ui/Resources.h"

enum : UINT {
  IDD_SPCTR_MEASUREMENTS = 2144,  // "Spectral Measurement"
  IDI_SPCTR_MEASUREMENTS = 2005,  // the window icon

  IDC_MEAS_MODE = 2002,           // combo of the seven measurement modes
  IDC_MEAS_SET_SELECT = 2010,     // "Set Select..."
  IDC_MEAS_DATA_INFO = 2013,      // "Data Info..."
  IDC_MEAS_TIME_BEGIN = 2004,     // time points, editable
  IDC_MEAS_TIME_END = 2006,
  IDC_MEAS_TIME_BEGIN_MS = 2005,  // their latencies, read-only
  IDC_MEAS_TIME_END_MS = 2007,
  IDC_MEAS_FREQ_BEGIN = 2008,     // frequency points, editable
  IDC_MEAS_FREQ_END = 2009,
  IDC_MEAS_FREQ_BEGIN_HZ = 2011,  // their frequencies, read-only
  IDC_MEAS_FREQ_END_HZ = 2012,
  IDC_MEAS_RESET = 2149,
  IDC_MEAS_UPDATE = 2147,
  IDC_MEAS_SAVE = 2148,
  IDC_MEAS_ALL_SENSORS = 2151,
  IDC_MEAS_SPCTM_CHNL = 2014,     // check box "Spectral Channel"
  IDC_MEAS_PRECISE = 2015,        // check box "Precise"
  IDC_MEAS_TEXT = 2150,           // the rich text box
};

// Adds the template and the icon to a module.
void addMeasureResources(ResourceModule& module);
