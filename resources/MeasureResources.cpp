#include "resources/MeasureResources.h"

#include "resources/TemplateItems.h"

namespace {

DialogTemplate measureTemplate() {
  DialogTemplate t;
  t.id = IDD_SPCTR_MEASUREMENTS;
  t.caption = L"Spectral Measurement";
  t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_SETFONT;
  t.cx = 510;
  t.cy = 235;
  t.fontFace = L"MS Shell Dlg";
  t.pointSize = 8;
  using C = ControlClass;
  const DWORD edit = WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP;
  const DWORD readOnly = edit | ES_READONLY;
  const DWORD button = BS_PUSHBUTTON | WS_TABSTOP;
  t.items = {
      templateItem(C::ComboBox, IDC_MEAS_MODE, L"", 7, 6, 98, 63, CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP),
      templateItem(C::Button, IDC_MEAS_SET_SELECT, L"Set Select...", 7, 21, 50, 14, button),
      templateItem(C::Button, IDC_MEAS_DATA_INFO, L"Data Info...", 57, 21, 50, 14, button),
      templateItem(C::Static, -1, L"Begin", 108, 15, 19, 8, SS_LEFT),
      templateItem(C::Static, -1, L"End", 110, 31, 16, 8, SS_LEFT),
      templateItem(C::Static, -1, L"Time(point)", 134, 1, 39, 8, SS_LEFT),
      templateItem(C::Edit, IDC_MEAS_TIME_BEGIN, L"", 132, 14, 40, 14, edit),
      templateItem(C::Edit, IDC_MEAS_TIME_END, L"", 132, 28, 40, 14, edit),
      templateItem(C::Static, -1, L"Time(Ms)", 175, 1, 39, 8, SS_LEFT),
      templateItem(C::Edit, IDC_MEAS_TIME_BEGIN_MS, L"", 175, 14, 40, 14, readOnly),
      templateItem(C::Edit, IDC_MEAS_TIME_END_MS, L"", 175, 28, 40, 14, readOnly),
      templateItem(C::Static, -1, L"Freq(point)", 221, 1, 38, 8, SS_LEFT),
      templateItem(C::Edit, IDC_MEAS_FREQ_BEGIN, L"", 218, 14, 40, 14, edit),
      templateItem(C::Edit, IDC_MEAS_FREQ_END, L"", 218, 28, 40, 14, edit),
      templateItem(C::Static, -1, L"Freq(Hz)", 263, 1, 30, 8, SS_LEFT),
      templateItem(C::Edit, IDC_MEAS_FREQ_BEGIN_HZ, L"", 261, 14, 40, 14, readOnly),
      templateItem(C::Edit, IDC_MEAS_FREQ_END_HZ, L"", 261, 28, 40, 14, readOnly),
      templateItem(C::Button, IDC_MEAS_RESET, L"Reset", 306, 1, 50, 14, button),
      templateItem(C::Button, IDC_MEAS_UPDATE, L"Update", 306, 15, 50, 14, button),
      templateItem(C::Button, IDC_MEAS_SAVE, L"Save", 305, 29, 50, 14, button),
      templateItem(C::Button, IDC_MEAS_ALL_SENSORS, L"All Sensors", 359, 14, 50, 14, button),
      templateItem(C::Button, IDOK, L"Exit", 357, 30, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP),
      templateItem(C::Button, IDC_MEAS_SPCTM_CHNL, L"Spectral Channel", 362, 2, 72, 10, BS_AUTOCHECKBOX | WS_TABSTOP),
      templateItem(C::Button, IDC_MEAS_PRECISE, L"Precise", 441, 3, 56, 10, BS_AUTOCHECKBOX | WS_TABSTOP),
      templateItem(C::RichEdit, IDC_MEAS_TEXT, L"", 7, 45, 498, 179,
           WS_BORDER | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL |
               WS_TABSTOP),
  };
  return t;
}

// A ruler under a spectrum's peak.
IconResource measureIcon() {
  IconResource icon;
  icon.id = IDI_SPCTR_MEASUREMENTS;
  const std::map<char, std::uint32_t> palette = {{'#', 0xFF202020u}, {'r', 0xFFD22828u}, {'y', 0xFFE6BE3Cu}};
  icon.argb = ImageResource::pixelArt({"................",
                                       ".......r........",
                                       "......rrr.......",
                                       "......rrr.......",
                                       ".....rrrrr......",
                                       ".....rrrrr......",
                                       "....rrrrrrr.....",
                                       "...rrrrrrrrr....",
                                       ".rrrrrrrrrrrrrr.",
                                       "................",
                                       "yyyyyyyyyyyyyyyy",
                                       "y#y#y#y#y#y#y#yy",
                                       "y#yyy#yyy#yyy#yy",
                                       "yyyyyyyyyyyyyyyy",
                                       "yyyyyyyyyyyyyyyy",
                                       "................"},
                                      palette, icon.width, icon.height);
  return icon;
}

}  // namespace

void addMeasureResources(ResourceModule& module) {
  module.addDialog(measureTemplate());
  module.addIcon(measureIcon());
}
