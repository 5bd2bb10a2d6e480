#include "resources/StdSetResources.h"

#include "resources/TemplateItems.h"

namespace {

// The twins' template: everything but the caption and the polarity box's caption.
DialogTemplate stdSetTemplate(UINT id, const wchar_t* caption, const wchar_t* polarityCaption) {
  DialogTemplate t;
  t.id = id;
  t.caption = caption;
  t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
  t.cx = 285;
  t.cy = 247;
  t.fontFace = L"MS Sans Serif";
  t.pointSize = 8;
  using C = ControlClass;
  const DWORD edit = WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP;
  const DWORD readOnly = edit | ES_READONLY;
  const DWORD button = BS_PUSHBUTTON | WS_TABSTOP;
  const DWORD combo = CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP;
  t.items = {
      templateItem(C::ComboBox, IDC_STD_COMBO_CLASS, L"", 15, 9, 72, 42, combo),
      templateItem(C::ComboBox, IDC_STD_COMBO_KIND, L"", 95, 10, 72, 64, combo),
      templateItem(C::Button, IDC_STD_POLARITY, polarityCaption, 175, 11, 100, 10, BS_AUTOCHECKBOX | WS_TABSTOP),
      templateItem(C::Static, IDC_STD_LOW_LABEL, L"Select Min", 7, 31, 271, 8, SS_CENTER),
      templateItem(C::ScrollBar, IDC_STD_LOW_SCROLL, L"", 7, 45, 271, 11, SBS_HORZ),
      templateItem(C::Static, IDC_STD_HIGH_LABEL, L"Select Max", 7, 64, 271, 8, SS_CENTER),
      templateItem(C::ScrollBar, IDC_STD_HIGH_SCROLL, L"", 7, 75, 271, 11, SBS_HORZ),
      templateItem(C::Static, -1, L"Select Min", 7, 97, 62, 8, SS_RIGHT),
      templateItem(C::Edit, IDC_STD_SELECT_MIN, L"", 78, 95, 60, 14, edit),
      templateItem(C::Static, -1, L"Select Max", 143, 99, 62, 8, SS_RIGHT),
      templateItem(C::Edit, IDC_STD_SELECT_MAX, L"", 212, 95, 60, 14, edit),
      templateItem(C::Static, -1, L"Trial Min", 7, 116, 62, 8, SS_RIGHT),
      templateItem(C::Edit, IDC_STD_TRIAL_MIN, L"", 78, 114, 60, 14, readOnly),
      templateItem(C::Static, -1, L"Trial Max", 144, 116, 62, 8, SS_RIGHT),
      templateItem(C::Edit, IDC_STD_TRIAL_MAX, L"", 213, 114, 60, 14, readOnly),
      templateItem(C::Static, -1, L"Chnl Min", 7, 132, 62, 8, SS_RIGHT),
      templateItem(C::Edit, IDC_STD_CHNL_MIN, L"", 78, 130, 60, 14, readOnly),
      templateItem(C::Static, -1, L"Chnl Max", 144, 132, 62, 8, SS_RIGHT),
      templateItem(C::Edit, IDC_STD_CHNL_MAX, L"", 213, 130, 60, 14, readOnly),
      templateItem(C::Button, IDC_STD_GET_RANGE, L"Get Data Range", 41, 147, 72, 14, button),
      templateItem(C::Button, IDC_STD_TRIAL_TO_SELECT, L"Set Trial  to Select", 119, 147, 67, 14, button),
      templateItem(C::Button, IDC_STD_CHNL_TO_SELECT, L"Set Channel to Select", 191, 147, 78, 14, button),
      templateItem(C::Button, IDC_STD_CHECK_SPECTRUM, L"Check Spectrum...", 42, 165, 72, 14, button),
      templateItem(C::Button, IDC_STD_AUTOFIT_TRIAL, L"Autofit Trial Data", 119, 164, 67, 14, button),
      templateItem(C::Button, IDC_STD_AUTOFIT_CHNL, L"Autofit Channel Data", 191, 165, 78, 14, button),
      templateItem(C::Button, -1, L"Color Scale", 7, 187, 271, 25, BS_GROUPBOX),
      templateItem(C::Button, IDC_STD_DEPTH_256, L"256", 16, 198, 33, 10, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP),
      templateItem(C::Button, IDC_STD_DEPTH_512, L"512", 67, 198, 33, 10, BS_AUTORADIOBUTTON),
      templateItem(C::Button, IDC_STD_DEPTH_768, L"768", 118, 198, 33, 10, BS_AUTORADIOBUTTON),
      templateItem(C::Button, IDC_STD_DEPTH_1024, L"1024", 169, 198, 33, 10, BS_AUTORADIOBUTTON),
      templateItem(C::Button, IDC_STD_RAW_DATA, L"Raw Data", 17, 219, 43, 14, button | WS_GROUP),
      templateItem(C::Button, IDC_STD_REFRESH, L"Refresh", 67, 219, 43, 14, button),
      templateItem(C::Button, IDC_STD_UPDATE, L"Update", 117, 219, 43, 14, button),
      templateItem(C::Button, IDC_STD_APPLY, L"Apply", 167, 219, 43, 14, button),
      templateItem(C::Button, IDOK, L"Exit", 217, 219, 43, 14, BS_DEFPUSHBUTTON | WS_TABSTOP),
  };
  return t;
}

// A colour scale from blue through white to red with a slider on it.
IconResource stdSetIcon() {
  IconResource icon;
  icon.id = IDI_SPCTM_STD_SET;
  const std::map<char, std::uint32_t> palette = {
      {'#', 0xFF202020u}, {'b', 0xFF1E50C8u}, {'c', 0xFF64A0F0u}, {'w', 0xFFF0F0F0u},
      {'y', 0xFFF0C846u}, {'r', 0xFFD22828u}, {'k', 0xFF505050u}};
  icon.argb = ImageResource::pixelArt({"................",
                                       ".##############.",
                                       ".#bbbccwwyyyrr#.",
                                       ".#bbbccwwyyyrr#.",
                                       ".#bbbccwwyyyrr#.",
                                       ".##############.",
                                       "................",
                                       "................",
                                       "..k.........k...",
                                       ".kkkkkkkkkkkkkk.",
                                       "..k....##...k...",
                                       ".......##.......",
                                       "......####......",
                                       "......####......",
                                       ".......##.......",
                                       "................"},
                                      palette, icon.width, icon.height);
  return icon;
}

}  // namespace

void addStdSetResources(ResourceModule& module) {
  module.addDialog(stdSetTemplate(IDD_MEG_SPCTM_STD_SET, L"Standard Display Parameters for 2D MEG Spectrum",
                                  L"Polarity View"));
  module.addDialog(stdSetTemplate(IDD_EEG_SPCTM_STD_SET, L"Standard Display Parameters for 2D EEG Spectrum",
                                  L"Magnetic Polarity View"));
  module.addIcon(stdSetIcon());
}
