// The contour window's colour field: each listed sensor's mean over the selected time–
// frequency window, interpolated to the grid by the grid's weights and rescaled to the
// sensors' spread, painted as a one-pixel-per-point bitmap smoothly stretched over the
// layout, masked outside the sensor area, with an optional head outline. Called by the
// paint link and by the contour dialog (buildField after a change of sensors, values
// after a new window, kind or class).
#pragma once

#include <cstdint>
#include <vector>

#include "host/render/CADRindex2Colorqv.h"
#include "host/render/CBitmapHighQualityDrawqv.h"
#include "host/render/CDrawClipsqv.h"
#include "windows/topo/CStaticSpctmContourMap04Grid.h"

class CStaticSpctmContourMap05Field : public CStaticSpctmContourMap04Grid {
 public:
  // The sensor list, a square grid of trunc(xmax − xmin) + 2·m_nGridMargin points per
  // side with m_nGridMargin steps outside the sensors, the weights (m_nRadiusMode) and
  // the values. 1, or 0 without trial or sensors, when a step fails, or when the values
  // fail (see computeValues).
  int buildField();

  // The values of the window t0 = the engine's m_nWinTimeBegin … t0 + m_nPatchTimePoints,
  // f0 = m_nWinFreqBegin … f0 + m_nPatchFreqPoints (inclusive, cut to the grid by the
  // host): each grid point the weighted sum of its sensors' means of m_nDataKind over the
  // window (sensors without spectral data of m_nSpctmClass left out). Then every value is
  // divided by (grid spread / sensor spread), so the grid spans as much as the sensors it
  // met, and the ranges below are recorded. With m_bAutofitColor, m_dLineThreshold becomes
  // m_dFieldMaxAbs / m_nLineLevels (0 without levels); it is then kept within
  // [0, m_dFieldMaxAbs]. 0 without binding, engine, channels, grid or weights; 0 also when
  // the sensors met all have one value: the grid then holds the plain sums and the
  // recorded ranges and threshold keep their previous values. A grid of one value is not
  // rescaled.
  int computeValues();

  // The field bitmap drawn smoothly stretched (see hostrender::FieldImageMapping), each
  // grid point at the place its layout position takes under the sensor mapping with
  // origin offset (left, top) (see fieldPlacement), cut to fieldRect; built first when
  // there is no value grid. Absolute form
  // (the engine's m_bPolarity clear): the single table of the engine's colour depth,
  // |value| from m_dStdMin on at N / (m_dColorMax − m_dColorMin) entries per unit.
  // Polarity form: negative values on the negative table, others on the positive one,
  // at entries / (m_dStdMax − m_dStdMin) per unit. Falls back to the DC's nearest-pixel
  // StretchDIBits when the smooth drawing fails. 1, or 0 when there is no field to draw.
  int drawFieldImage(CDC* pDC, int left, int top, BOOL mirrored);

  // Masks the field outside the ellipse inscribed in fieldRect with the clip drawer on a
  // width × height stencil of m_crBack and m_crFore. 1, or 0 without a grid or stencil.
  int drawFieldClip(CDC* pDC, int left, int top, int width, int height, BOOL mirrored);

  // With m_bShowHeadShape: in m_crFore, the ellipse inscribed in fieldRect (the field
  // clip's ellipse; origin offset half the frame margin, mirrored with the field in the
  // radiology layout, the outline's shape itself being symmetric), a half-circle nose
  // of radius max(2, (gridWidth + gridHeight) / 16) at the middle of its front side (the
  // top under m_bNoseUp, else the bottom) and an ear at the middle of either side. 1 when
  // drawn or not asked for, 0 without a grid.
  int drawHeadShape(CDC* pDC);

  // Where the field bitmap goes: the arguments of hostrender::FieldImageMapping::make
  // (and of the contour lines' drawMap) that put grid point (i, j) where the sensor
  // mapping with origin offset (left, top) puts its layout position (within a pixel):
  // the scales are device pixels per grid step, the origin the one the mapping needs.
  struct FieldPlacement {
    int left = 0;
    int top = 0;
    double scaleX = 0.0;
    double scaleY = 0.0;
  };
  FieldPlacement fieldPlacement(int left, int top, bool mirrored) const;
  // The device rectangle from the grid's first to its last point under that mapping
  // (right and bottom one past); empty without a grid.
  CRect fieldRect(int left, int top, bool mirrored) const;

  // Results of the last successful value pass.
  double m_dSensorMin = 0.0;    // smallest and largest sensor value met
  double m_dSensorMax = 0.0;
  double m_dGridMin = 0.0;      // smallest and largest grid value, rescaled
  double m_dGridMax = 0.0;
  double m_dFieldMaxAbs = 0.0;  // larger of |grid min| and |grid max|
  double m_dFieldMinAbs = 0.0;  // smallest |grid value|

 protected:
  CADRindex2Colorqv m_colorIndex;        // the field's colour tables
  CDrawClipsqv m_clips;                  // stencil of the field clip
  CBitmapHighQualityDrawqv m_blitter;    // smooth stretching of the field bitmap
  BITMAPINFO m_fieldInfo;                // bottom-up, 32 bits, grid-sized
  std::vector<std::uint32_t> m_fieldPixels;

 private:
  // Fills m_fieldPixels for the grid's values in the mapping's order.
  void fillFieldPixels(bool mirrored);
  // Per channel index, in the current pass: no value (not listed, or no spectral data of
  // the class), a value, or a value some grid point took.
  enum class SensorValue : std::uint8_t { kNone, kKnown, kMet };
  std::vector<SensorValue> m_sensorState;
  std::vector<double> m_sensorValue;
};
