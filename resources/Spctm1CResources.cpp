#include "resources/Spctm1CResources.h"

#include "resources/Spctm1CImages.h"

namespace {

DialogItemTemplate item(ControlClass cls, UINT id, const wchar_t* caption, int x, int y, int cx, int cy,
                        DWORD style) {
  return {cls, static_cast<int>(id), caption, x, y, cx, cy, WS_CHILD | WS_VISIBLE | style};
}

// Template 2147: two rows of tools above the canvas, positions in dialog units.
DialogTemplate singleSpectralMap() {
  DialogTemplate t;
  t.id = IDD_SPCTM_1C;
  t.caption = L"Single Spectral Map";
  t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME | DS_SETFONT;
  t.cx = 601;
  t.cy = 315;
  t.fontFace = L"MS Shell Dlg";
  t.pointSize = 8;
  using C = ControlClass;
  const DWORD combo = CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP;
  const DWORD push = BS_PUSHBUTTON | WS_TABSTOP;
  const DWORD iconPush = push | BS_ICON;
  const DWORD check = BS_AUTOCHECKBOX | WS_TABSTOP;
  t.items = {
      item(C::ComboBox, IDC_SPCTM1C_CLASS, L"", 7, 2, 55, 42, combo | WS_DISABLED),
      item(C::ComboBox, IDC_SPCTM1C_KIND, L"", 7, 20, 55, 69, combo),
      item(C::ComboBox, IDC_SPCTM1C_STATISTIC, L"", 65, 2, 55, 80, combo),
      item(C::ComboBox, IDC_SPCTM1C_CHANNEL, L"", 65, 21, 55, 80, combo),
      item(C::Button, IDC_SPCTM1C_SETTING, L"setting", 129, 1, 35, 19, iconPush),
      item(C::Button, IDC_SPCTM1C_NORMAL, L"Normal", 168, 1, 35, 19, iconPush),
      item(C::Button, IDC_SPCTM1C_MOVE, L"Move", 207, 1, 35, 19, iconPush),
      item(C::Button, IDC_SPCTM1C_ZOOM_IN, L"In", 246, 1, 35, 19, iconPush),
      item(C::Button, IDC_SPCTM1C_ZOOM_OUT, L"out", 285, 1, 35, 19, iconPush),
      item(C::Button, IDC_SPCTM1C_AUTOFIT, L"Autofit", 324, 1, 35, 19, push),
      item(C::Button, IDC_SPCTM1C_REFRESH, L"Refresh", 363, 1, 35, 19, push),
      item(C::Button, IDC_SPCTM1C_RESET, L"Reset", 402, 1, 35, 19, push),
      item(C::Button, IDC_SPCTM1C_MOVE_WAVE, L"Move wave", 441, 1, 35, 19, iconPush),
      item(C::Button, IDC_SPCTM1C_AM, L"AM", 480, 1, 35, 19, iconPush),
      item(C::Button, IDC_SPCTM1C_SM, L"SM", 520, 1, 35, 19, iconPush),
      item(C::Button, IDC_SPCTM1C_UPDATE, L"Update", 129, 22, 35, 19, push),
      item(C::Button, IDC_SPCTM1C_SELECT, L"Select...", 168, 26, 38, 10, check | WS_GROUP),
      item(C::UpDown, IDC_SPCTM1C_FREQ_SPIN, L"", 216, 21, 11, 18, UDS_ARROWKEYS),
      item(C::UpDown, IDC_SPCTM1C_TIME_SPIN, L"", 232, 21, 17, 18, UDS_ARROWKEYS | UDS_HORZ),
      item(C::Button, IDC_SPCTM1C_INFO, L"Info...", 264, 26, 31, 10, check),
      item(C::Button, IDC_SPCTM1C_SCALE, L"Scale...", 302, 26, 33, 10, check),
      item(C::Button, IDC_SPCTM1C_MEASURE, L"Measure...", 347, 26, 46, 10, check),
      item(C::Button, IDC_SPCTM1C_WAVE, L"Wave...", 403, 26, 36, 10, check),
      item(C::UpDown, IDC_SPCTM1C_ZOOM_SPIN, L"", 440, 21, 11, 18, UDS_ARROWKEYS),
      item(C::Static, IDC_SPCTM1C_CANVAS, L"", 7, 42, 587, 266, SS_LEFT | WS_BORDER),
      item(C::Button, IDC_SPCTM1C_LINK_MAP, L"Link Map Select", 457, 27, 65, 10, check),
      item(C::Button, IDC_SPCTM1C_ALL_SNS, L"All Sns", 520, 21, 35, 19, iconPush),
      item(C::Button, IDC_SPCTM1C_ALL_SPCTM, L"All Spctm", 559, 21, 35, 19, push),
  };
  return t;
}

// Menu 2111 only carries the IDs of two commands; the template attaches no menu.
MenuTemplate singleSpectralMapMenu() {
  using M = MenuItemTemplate;
  return {IDR_SPCTM1C_MENU,
          {M::popupOf(L"Process", {M::command(L"Root Strip", ID_SPCTM1C_ROOT_STRIP)}),
           M::popupOf(L"View", {M::command(L"Link Contour Map...", ID_SPCTM1C_LINK_CONTOUR_MAP)})}};
}

}  // namespace

void addSpctm1CResources(ResourceModule& module) {
  module.addDialog(singleSpectralMap());
  module.addMenu(singleSpectralMapMenu());
  addSpctm1CImages(module);
}
