#include "windows/topo/CStaticSpctmContourMap06Lines.h"

#include "platform/gdi/DcStateScope.h"

CStaticSpctmContourMap06Lines::CStaticSpctmContourMap06Lines()
    : m_penRed(PS_SOLID, 1, RGB(255, 0, 0)),
      m_penBlue(PS_SOLID, 1, RGB(0, 0, 255)),
      m_penBlueZero(PS_SOLID, 1, RGB(0, 0, 239)),
      m_penBlackDash(PS_DASH, 1, RGB(0, 0, 0)),
      m_penBlack2(PS_SOLID, 2, RGB(0, 0, 0)) {}

int CStaticSpctmContourMap06Lines::traceLines() {
  m_contour._clean();
  if (m_grid.values.empty() || m_nLineLevels < 1) return 0;
  m_contour.initLevelAbs(m_dLineThreshold, m_dFieldMaxAbs, m_nLineLevels);
  return m_contour.dataGrid2ContourLinePro(&m_grid);
}

int CStaticSpctmContourMap06Lines::recompute() {
  const int result = computeValues();
  if (m_nDisplayMode == 1 || m_nDisplayMode == 2) traceLines();
  return result;
}

int CStaticSpctmContourMap06Lines::drawLines(CDC* pDC, int left, int top, int width, int height, BOOL mirrored) {
  if (m_contour.getGridWidth() == 0) {
    if (m_grid.values.empty() && !buildField()) return 0;
    if (!traceLines()) return 0;
  }
  const bool colour = m_nLineColorMode == 1;
  const FieldPlacement at = fieldPlacement(left, top, mirrored != 0);
  // Cut to the field's extent, as the field image is, so the clip masks every line.
  DcStateScope scope(*pDC);
  scope.pen(colour ? &m_penBlueZero : &m_penBlack2).intersectClip(fieldRect(left, top, mirrored != 0));
  m_contour.drawMap(pDC, at.left, at.top, at.scaleX, at.scaleY, width, height, mirrored, m_bNoseUp,
                    colour ? &m_penRed : &m_penBlackDash, colour ? &m_penBlue : &m_penBlack2);
  return 1;
}
