// Root of the topographic canvas, the child window on which the flags window and the
// contour field/line window draw every sensor of one trial on a 2-D head layout. Holds the
// state all links share, the binding to the host's current session and trial, the
// channel-type choice, the 2-D layout and the sensor-point mapping, the off-screen image
// and the sensor-name font. The owning dialog writes the pointer fields and flags
// directly; only CStaticSpctmContourMapqv is instantiated. One UI thread.
#pragma once

#include <cstdint>
#include <memory>

#include "draw/CMEGSpctmDrawqv.h"
#include "host/render/CDataGridRect.h"
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CFont.h"
#include "platform/ui/Controls.h"

class CStaticSpctmContourMap : public CStatic {
 public:
  // Every field at its default; the name font (Arial, height 12) is created.
  CStaticSpctmContourMap();
  ~CStaticSpctmContourMap() override;

  // First step of every operation: with a dataset bound, re-reads the current session and
  // the session's current trial. 1 when both exist, else 0.
  int refreshBinding();

  // Makes sure the current trial has 2-D positions of the channel type (0 MEG, 1 EEG):
  // when the type's plane is not done yet, the standard projection (m_bUseStdProjection,
  // scale m_dStdProjectionScale) or the session-parameterised projection followed by the
  // scan to m_nProjection2DSize. 1, or 0 without a trial; a type other than 0 or 1 shows
  // "Contourmap Channel Type Error!?" and gives 0.
  int ensure2DLayout(int nChannelType);

  // Pixel position of a channel in the last scaled layout (m_dScaleX, m_dScaleY, canvas
  // size): x from the left (or, mirrored, from the right), larger layout y higher, then
  // reflected under m_bNoseUp; each coordinate truncated and clamped into the canvas.
  // The channel's 2-D position of m_nChannelType is used.
  CPoint sensorPoint(const CMDChannelqv& channel, bool mirrored) const;

  // Deletes the off-screen image so that the next drawing builds it at the client size
  // then in force (after a resize, Apply, a pick or a display change).
  void deleteOffscreenImage();

  // Opens the font dialog (screen fonts with effects) on the name font and m_crLabel.
  // On OK the name font is made anew from the chosen description, which the canvas keeps,
  // and the chosen colour and point size are stored. Returns whether OK was pressed.
  int chooseNameFont();

  // ---- Set by the owning dialog (pointed-to values not owned) ----------------------------
  int* m_pShowLabel = nullptr;    // "Label": names drawn when set and non-zero
  int* m_pShowSensor = nullptr;   // "Sensor": circles and the current-channel text
  int* m_pRadiology = nullptr;    // "Radiology": non-zero mirrors the layout left–right
  int* m_pSensorSize = nullptr;   // pixel radius of the circles and of picking
  BOOL m_bNoseUp = 1;             // "Nose Up": the layout's y reflected, nose at the top
  BOOL m_bShowScale = 1;          // "Scale...": the colour scale
  BOOL m_bShowInfo = 1;           // "Info...": the time–frequency text
  BOOL m_bAutofitColor = 1;       // "Autofit Color"
  // ---- Geometry ------------------------------------------------------------------------------
  double m_dScaleX = 1.0;         // pixels per layout unit, recomputed at every drawing
  double m_dScaleY = 1.0;
  std::int64_t m_nCanvasWidth = 0;   // size of the off-screen image in pixels
  std::int64_t m_nCanvasHeight = 0;
  std::int64_t m_nFrameMargin = 120;  // pixels kept free around the layout (half each side)
  std::int64_t m_nPatchTimePoints = 30;  // "Time (Wide)": time points of the window, patch width
  std::int64_t m_nPatchFreqPoints = 30;  // "Freq (Hight)": frequency points, patch height
  std::int64_t m_nStepX = 10;     // time points per key press or animation step
  std::int64_t m_nStepY = 10;     // frequency points per key press or animation step
  // ---- What is shown -------------------------------------------------------------------------
  int m_nSpctmClass = 0;          // 0 Active, 1 Control, 2 Results
  int m_nDataKind = 0;            // 0 real, 1 imaginary, 2 power
  std::unique_ptr<CBitmap> m_pOffscreenBitmap;  // the off-screen image (owned)
  std::unique_ptr<CDC> m_pOffscreenDC;          // its memory device context (owned)
  CMEGSpctmDrawqv* m_pDraw = nullptr;     // the shared draw engine (not owned)
  CArrayMEDataSetqv* m_pDataSet = nullptr;  // the host dataset (not owned)
  CMEGDataqv* m_pSession = nullptr;       // current session, refreshed by every operation
  CMDTrialqv* m_pTrial = nullptr;         // current trial, refreshed by every operation
  CString m_strChannelName = L"No channel has been selected";  // shown top-left
  std::unique_ptr<CFont> m_pNameFont;     // sensor-name font (owned), made from m_lfName
  LOGFONT m_lfName;                       // its description, as the font dialog fills it
  COLORREF m_crLabel = RGB(255, 255, 125);  // mono-colour label text
  int m_nLabelPointSize = 120;            // tenths of a point, as the font dialog keeps it
  COLORREF m_crBack = RGB(0, 0, 0);       // canvas fill and field clip background
  COLORREF m_crFore = RGB(255, 255, 255); // normal sensor circles and the head outline
  int m_nDisplayMode = 0;                 // contour window: 0 "Fields", 1 "Lines", 2 "Both"
  int m_nWorkMode = 1;                    // 0 select, 1 move, 2 switch selection, 3 switch view
  int m_nSensorPenWidth = 1;              // "Sensor Wide 1" … "Sensor Wide 4"
  int m_nNameColorMode = 0;               // 0 "Mono-color", 1 "Spatial-color"
  int m_nNameLengthMode = 1;              // 1 "Right 4", 2 "Left 4", 3 "All Name"
  BOOL m_bFlagsMode = 1;                  // 1 flags window (patches); 0 contour window
  BOOL m_bShowHeadShape = 0;              // "Show Head Shape"
  CDataGridRect m_grid;                   // sensor list and interpolation grid
  BOOL m_bUseStdProjection = 0;           // projection choice ("Set Frame Size")
  int m_nProjection2DSize = 100;          // size handed to the 2-D scan ("Set Frame Size")
  double m_dStdProjectionScale = 2.0;     // scale handed to the standard projection
  int m_nGridMargin = 2;                  // grid cells outside the sensor extent per side
  int m_nRadiusMode = 1;                  // interpolation radius rule (see 04Grid)
  double m_dLineThreshold = 300.0;        // "Threshold": lowest contour level
  int m_nLineLevels = 16;                 // "Levels": number of contour levels
  int m_nChannelType = 0;                 // 0 MEG, 1 EEG; set by the facade

 protected:
  // The "Radiology" check box's state: mirrored layout.
  bool isRadiology() const { return m_pRadiology != nullptr && *m_pRadiology != 0; }
  // 1 for 0 (MEG) and 1 (EEG); any other type shows "Contourmap Channel Type Error!?"
  // and gives 0.
  int checkChannelType(int nChannelType) const;
  // Whether a channel is a measuring channel of the type, and its 2-D position of it.
  static bool isOfType(const CMDChannelqv& channel, int nChannelType);
  static void layoutPosition(const CMDChannelqv& channel, int nChannelType, double& x, double& y);
  // The steps of sensorPoint: x and y of a layout position (truncated, not clamped), the
  // reflection under m_bNoseUp, and the clamps into the canvas. The patches take x and y
  // unclamped and reflect their rectangle's edges themselves.
  std::int64_t pointX(double layoutX, bool mirrored) const;
  std::int64_t pointY(double layoutY) const;
  std::int64_t reflectY(std::int64_t y) const;
  std::int64_t clampX(std::int64_t x) const;
  std::int64_t clampY(std::int64_t y) const;
  // The same mapping in continuous device coordinates, with origin offset (left, top) in
  // place of half the frame margin: where the field, its lines, its clip and the head
  // outline put a layout position, so that they lie under the sensors.
  double deviceX(double layoutX, bool mirrored, double left) const;
  double deviceY(double layoutY, double top) const;

  // Steps 1 to 5 of a drawing into the off-screen image: binding, image (reused, or made
  // compatible with pDC at the client size), the engine bound to the same data, the
  // layout, the scale from the trial's 2-D extent. 1 when the content can be drawn; 0
  // without binding or engine, or with a degenerate extent ("MEG sensor location error:
  // Contourmap size <= 0!?" or the EEG text).
  int prepareOffscreenImage(CDC* pDC, const CRect& client);

  // The current-channel text (only when sensors are shown): m_strChannelName at (0, 0),
  // yellow on black, in the device context's font.
  void drawChannelName(CDC* pDC);
};
