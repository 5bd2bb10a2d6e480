#include "resources/TopoWindowResources.h"

#include "resources/TemplateItems.h"

namespace {

using C = ControlClass;
constexpr DWORD kCombo = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kEdit = WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kLabel = SS_LEFT;

DialogTemplate windowTemplate(UINT id, const wchar_t* caption, UINT menuId, int cx, int cy) {
  DialogTemplate t;
  t.id = id;
  t.caption = caption;
  t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME | DS_SETFONT;
  t.cx = cx;
  t.cy = cy;
  t.fontFace = L"MS Shell Dlg";
  t.pointSize = 8;
  t.menuId = menuId;
  return t;
}

// The flags window: three rows of tools above the canvas (5, 52, 492, 349).
DialogTemplate flagsTemplate(UINT id) {
  DialogTemplate t = windowTemplate(id, L"Spectral Topographic Flags", IDR_MENU_TOPO_FLAGS, 502, 406);
  t.items = {
      templateItem(C::ComboBox, IDC_TOPO_CLASS, L"", 5, 4, 70, 60, kCombo),
      templateItem(C::Button, IDC_TOPO_LABEL, L"Label", 80, 6, 30, 10, kCheck),
      templateItem(C::Button, IDC_TOPO_RADIOLOGY, L"Radiology", 112, 6, 46, 10, kCheck),
      templateItem(C::Button, IDC_TOPO_NOSE_UP, L"Nose Up", 160, 6, 42, 10, kCheck),
      templateItem(C::Button, IDC_TOPO_SENSOR, L"Sensor", 204, 6, 36, 10, kCheck),
      templateItem(C::Button, IDC_TOPO_SCALE, L"Scale...", 242, 6, 40, 10, kCheck),
      templateItem(C::Button, IDC_TOPO_INFO, L"Info...", 284, 6, 32, 10, kCheck),
      templateItem(C::Button, IDC_TOPO_AUTOFIT_COLOR, L"Autofit Color", 318, 6, 58, 10, kCheck),
      templateItem(C::Button, IDC_TOPO_LINK_ONE, L"Link One Spctm", 378, 6, 68, 10, kCheck),
      templateItem(C::ComboBox, IDC_TOPO_KIND, L"", 5, 20, 70, 60, kCombo),
      templateItem(C::Static, -1, L"Step X", 80, 22, 24, 8, kLabel),
      templateItem(C::Edit, IDC_TOPO_STEP_X, L"", 106, 20, 22, 12, kEdit),
      templateItem(C::Static, -1, L"Step Y", 132, 22, 24, 8, kLabel),
      templateItem(C::Edit, IDC_TOPO_STEP_Y, L"", 158, 20, 22, 12, kEdit),
      templateItem(C::Static, -1, L"Speed", 184, 22, 22, 8, kLabel),
      templateItem(C::Edit, IDC_TOPO_SPEED, L"", 208, 20, 26, 12, kEdit),
      templateItem(C::Static, -1, L"Time (Wide)", 238, 22, 40, 8, kLabel),
      templateItem(C::Edit, IDC_TOPO_EDIT_A, L"", 280, 20, 22, 12, kEdit),
      templateItem(C::Static, -1, L"Freq (Hight)", 306, 22, 42, 8, kLabel),
      templateItem(C::Edit, IDC_TOPO_EDIT_B, L"", 350, 20, 22, 12, kEdit),
      templateItem(C::Static, -1, L"Sensor Size", 376, 22, 40, 8, kLabel),
      templateItem(C::Edit, IDC_TOPO_SENSOR_SIZE, L"", 418, 20, 22, 12, kEdit),
      templateItem(C::Button, IDC_TOPO_SETTINGS, L"Settings", 5, 36, 40, 13, kPush),
      templateItem(C::Button, IDC_TOPO_RESET, L"Reset", 48, 36, 40, 13, kPush),
      templateItem(C::Button, IDC_TOPO_AUTOFIT, L"Autofit", 91, 36, 40, 13, kPush),
      templateItem(C::Button, IDC_TOPO_SELECT, L"Select", 134, 36, 40, 13, kPush),
      templateItem(C::Button, IDC_TOPO_MOVE, L"Move", 177, 36, 40, 13, kPush),
      templateItem(C::Button, IDC_TOPO_START, L"Start->", 220, 36, 40, 13, kPush),
      templateItem(C::Button, IDC_TOPO_REFRESH, L"Refresh", 263, 36, 40, 13, kPush),
      templateItem(C::Button, IDC_TOPO_APPLY, L"Apply", 306, 36, 40, 13, kPush),
      templateItem(C::Static, IDC_TOPO_CANVAS, L"", 5, 52, 492, 349, SS_LEFT | WS_BORDER),
  };
  return t;
}

// The contour window: combos, checks and the window's indices above the canvas
// (64, 58, 314, 287), the edits and buttons in a column on its left.
DialogTemplate fieldLineTemplate(UINT id) {
  DialogTemplate t = windowTemplate(id, L"Spectral Countour Field/Line", IDR_MENU_CONTOUR_FIELDLINE, 384, 351);
  t.items = {
      templateItem(C::ComboBox, IDC_TOPO_CLASS, L"", 64, 3, 52, 60, kCombo),
      templateItem(C::ComboBox, IDC_TOPO_KIND, L"", 120, 3, 70, 60, kCombo),
      templateItem(C::ComboBox, IDC_CONTOUR_DISPLAY, L"", 194, 3, 48, 60, kCombo),
      templateItem(C::Button, IDC_TOPO_LINK_ONE, L"Link One Spctm", 248, 5, 66, 10, kCheck),
      templateItem(C::Button, IDC_TOPO_AUTOFIT_COLOR, L"Autofit Color", 318, 5, 60, 10, kCheck),
      templateItem(C::Button, IDC_TOPO_LABEL, L"Label", 64, 19, 30, 10, kCheck),
      templateItem(C::Button, IDC_TOPO_RADIOLOGY, L"Radiology", 98, 19, 46, 10, kCheck),
      templateItem(C::Button, IDC_TOPO_NOSE_UP, L"Nose Up", 148, 19, 42, 10, kCheck),
      templateItem(C::Button, IDC_TOPO_SCALE, L"Scale Bar...", 194, 19, 52, 10, kCheck),
      templateItem(C::Button, IDC_TOPO_INFO, L"Info...", 250, 19, 32, 10, kCheck),
      templateItem(C::Button, IDC_TOPO_SENSOR, L"Sensor", 286, 19, 36, 10, kCheck),
      templateItem(C::Static, -1, L"Begin", 88, 31, 32, 8, kLabel),
      templateItem(C::Static, -1, L"End", 122, 31, 32, 8, kLabel),
      templateItem(C::Static, -1, L"Range(ms,Hz)", 156, 31, 76, 8, kLabel),
      templateItem(C::Static, -1, L"Begin", 256, 31, 32, 8, kLabel),
      templateItem(C::Static, -1, L"End", 290, 31, 32, 8, kLabel),
      templateItem(C::Static, -1, L"Time", 64, 43, 22, 8, kLabel),
      templateItem(C::Edit, IDC_CONTOUR_TIME_BEGIN, L"", 88, 41, 32, 12, kEdit),
      templateItem(C::Edit, IDC_CONTOUR_TIME_END, L"", 122, 41, 32, 12, kEdit),
      templateItem(C::Edit, IDC_CONTOUR_TIME_RANGE, L"", 156, 41, 76, 12, kEdit | ES_READONLY),
      templateItem(C::Static, -1, L"Freq", 236, 43, 18, 8, kLabel),
      templateItem(C::Edit, IDC_CONTOUR_FREQ_BEGIN, L"", 256, 41, 32, 12, kEdit),
      templateItem(C::Edit, IDC_CONTOUR_FREQ_END, L"", 290, 41, 32, 12, kEdit),
      templateItem(C::Edit, IDC_CONTOUR_FREQ_RANGE, L"", 324, 41, 56, 12, kEdit | ES_READONLY),
      templateItem(C::Static, -1, L"Sns Sz", 4, 60, 26, 8, kLabel),
      templateItem(C::Edit, IDC_TOPO_SENSOR_SIZE, L"", 32, 58, 26, 12, kEdit),
      templateItem(C::Static, -1, L"Threshold", 4, 73, 54, 8, kLabel),
      templateItem(C::Edit, IDC_TOPO_EDIT_A, L"", 4, 82, 54, 12, kEdit),
      templateItem(C::Static, -1, L"Levels", 4, 100, 26, 8, kLabel),
      templateItem(C::Edit, IDC_TOPO_EDIT_B, L"", 32, 98, 26, 12, kEdit),
      templateItem(C::Static, -1, L"Step X", 4, 114, 26, 8, kLabel),
      templateItem(C::Edit, IDC_TOPO_STEP_X, L"", 32, 112, 26, 12, kEdit),
      templateItem(C::Static, -1, L"Step Y", 4, 128, 26, 8, kLabel),
      templateItem(C::Edit, IDC_TOPO_STEP_Y, L"", 32, 126, 26, 12, kEdit),
      templateItem(C::Static, -1, L"Speed", 4, 142, 26, 8, kLabel),
      templateItem(C::Edit, IDC_TOPO_SPEED, L"", 32, 140, 26, 12, kEdit),
      templateItem(C::Button, IDC_CONTOUR_GET_SELECT, L"Get Select", 4, 158, 54, 13, kPush),
      templateItem(C::Button, IDC_TOPO_START, L"Start->", 4, 173, 54, 13, kPush),
      templateItem(C::Button, IDC_TOPO_AUTOFIT, L"Autofit", 4, 188, 54, 13, kPush),
      templateItem(C::Button, IDC_TOPO_SETTINGS, L"Settings", 4, 203, 54, 13, kPush),
      templateItem(C::Button, IDC_TOPO_RESET, L"Reset", 4, 218, 54, 13, kPush),
      templateItem(C::Button, IDC_TOPO_SELECT, L"Pick Senso", 4, 233, 54, 13, kPush),
      templateItem(C::Button, IDC_TOPO_MOVE, L"Move", 4, 248, 54, 13, kPush),
      templateItem(C::Button, IDC_TOPO_REFRESH, L"Refresh", 4, 263, 54, 13, kPush),
      templateItem(C::Button, IDC_TOPO_APPLY, L"Apply", 4, 278, 54, 13, kPush),
      templateItem(C::Static, IDC_TOPO_CANVAS, L"", 64, 58, 314, 287, SS_LEFT | WS_BORDER),
  };
  return t;
}

// Menu 2120, and with the contour items menu 2133.
MenuTemplate topoMenu(UINT id, bool contour) {
  using M = MenuItemTemplate;
  std::vector<M> edit = {M::command(L"Show from Sensor...", ID_TOPO_SHOW_FROM_SENSOR),
                         M::command(L"Link Spectral One", ID_TOPO_LINK_SPECTRAL_ONE),
                         M::command(L"Show Time-Frequency Information", ID_TOPO_SHOW_TF_INFO)};
  std::vector<M> view = {M::command(L"Typical View", ID_TOPO_TYPICAL_VIEW),
                         M::command(L"Switch Sensor Selection", ID_TOPO_SWITCH_SENSOR_SELECTION),
                         M::command(L"Switch Sensor View", ID_TOPO_SWITCH_SENSOR_VIEW),
                         M::separatorLine(),
                         M::command(L"Sensor Wide 1", ID_TOPO_SENSOR_WIDE_1),
                         M::command(L"Sensor Wide 2", ID_TOPO_SENSOR_WIDE_1 + 1),
                         M::command(L"Sensor Wide 3", ID_TOPO_SENSOR_WIDE_1 + 2),
                         M::command(L"Sensor Wide 4", ID_TOPO_SENSOR_WIDE_4),
                         M::separatorLine(),
                         M::command(L"Mono-color", ID_TOPO_NAME_MONO_COLOR),
                         M::command(L"Spatial-color", ID_TOPO_NAME_SPATIAL_COLOR),
                         M::command(L"Sensor Name Font", ID_TOPO_NAME_FONT),
                         M::separatorLine(),
                         M::command(L"Right 4", ID_TOPO_NAME_RIGHT_4),
                         M::command(L"Left 4", ID_TOPO_NAME_LEFT_4),
                         M::command(L"All Name", ID_TOPO_NAME_ALL),
                         M::separatorLine(),
                         M::command(L"Switch Field Color Scale", ID_TOPO_SWITCH_FIELD_SCALE)};
  if (contour) {
    edit.push_back(M::command(L"Show Head Shape", ID_CONTOUR_SHOW_HEAD_SHAPE));
    view.push_back(M::command(L"Switch Contour Line Color", ID_CONTOUR_SWITCH_LINE_COLOR));
    view.push_back(M::command(L"Set Frame Size", ID_CONTOUR_SET_FRAME_SIZE));
  }
  return {id, {M::popupOf(L"Edit", std::move(edit)), M::popupOf(L"View", std::move(view))}};
}

const std::map<char, std::uint32_t> kPalette = {
    {'#', 0xFF202020u}, {'s', 0xFFF0D2AAu}, {'r', 0xFFD22828u}, {'b', 0xFF1E50C8u},
    {'y', 0xFFF0C846u}, {'w', 0xFFFFFFFFu}, {'k', 0xFF505050u}};

// A head seen from above with coloured patches on it.
IconResource windowIcon() {
  IconResource r;
  r.id = IDI_TOPO_WINDOW;
  r.argb = ImageResource::pixelArt({".......##.......",
                                    "......#ss#......",
                                    "....########....",
                                    "...#ssssssss#...",
                                    "..#ssrrssbbss#..",
                                    "..#ssrrssbbss#..",
                                    ".#ssssssssssss#.",
                                    "##ssyyssssrrss##",
                                    "##ssyyssssrrss##",
                                    ".#ssssssssssss#.",
                                    "..#ssbbssyyss#..",
                                    "..#ssbbssyyss#..",
                                    "...#ssssssss#...",
                                    "....########....",
                                    "................",
                                    "................"},
                                   kPalette, r.width, r.height);
  return r;
}

// An eye over a sensor circle: the cursor of switching sensors' views on and off.
CursorResource sensorViewCursor() {
  CursorResource r;
  r.id = IDC_TOPO_CURSOR_SENSOR_VIEW;
  r.hotSpot = CPoint(8, 12);
  r.argb = ImageResource::pixelArt({"................",
                                    "....########....",
                                    "..##wwwwwwww##..",
                                    ".#wwww####wwww#.",
                                    "#wwww#bbbb#wwww#",
                                    ".#wwww####wwww#.",
                                    "..##wwwwwwww##..",
                                    "....########....",
                                    "................",
                                    "......####......",
                                    ".....#kkkk#.....",
                                    "....#kk..kk#....",
                                    "....#k....k#....",
                                    "....#kk..kk#....",
                                    ".....#kkkk#.....",
                                    "......####......"},
                                   kPalette, r.width, r.height);
  return r;
}

}  // namespace

void addTopoWindowResources(ResourceModule& module) {
  module.addDialog(flagsTemplate(IDD_MEG_TOPO_FLAGS));
  module.addDialog(flagsTemplate(IDD_EEG_TOPO_FLAGS));
  module.addDialog(fieldLineTemplate(IDD_MEG_CONTOUR_FIELDLINE));
  module.addDialog(fieldLineTemplate(IDD_EEG_CONTOUR_FIELDLINE));
  module.addMenu(topoMenu(IDR_MENU_TOPO_FLAGS, false));
  module.addMenu(topoMenu(IDR_MENU_CONTOUR_FIELDLINE, true));
  module.addIcon(windowIcon());
  module.addCursor(sensorViewCursor());
}
