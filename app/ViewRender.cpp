#include "app/ViewRender.h"

#include <algorithm>
#include <cmath>

namespace spctmview {

void applyColouring(CMEGSpctmDrawqv& engine, Colouring colouring) {
  engine.m_bStdRender = colouring == Colouring::Polarity || colouring == Colouring::Absolute;
  engine.m_bPolarity = colouring == Colouring::Polarity;
  engine.m_nViewMode = colouring == Colouring::Peak ? 2 : 0;
}

void applyRanges(CMEGSpctmDrawqv& engine, const RenderOptions& o) {
  double lo = o.rangeLow, hi = o.rangeHigh;
  if (o.autoRange) {
    if (!engine.updateMEGData()) return;
    double mean = 0.0;
    const int found = o.view == RenderView::Single
                          ? engine.m_pTrial->getSpctmRange4OneChnlShow(engine.m_nDataSource, -1, lo, hi, mean, true,
                                                                       o.spctmClass, o.dataKind)
                          : engine.m_pTrial->getSpctmRangeAllChann(lo, hi, mean, 0, o.spctmClass, o.dataKind);
    if (!found) return;
    const double largest = std::max(std::abs(lo), std::abs(hi));
    if (largest == 0.0) return;
    engine.m_dStdMin = 0.0;
    engine.m_dStdMax = largest;
    engine.m_dColorMin = o.colouring == Colouring::Peak ? -0.5 * largest : lo;
    engine.m_dColorMax = o.colouring == Colouring::Peak ? 0.5 * largest : hi;
    engine.m_dOuterMin = -largest;
    engine.m_dOuterMax = largest;
    return;
  }
  // The standard range holds magnitudes: a range across zero spans 0 to its larger end.
  const double half = 0.5 * (hi - lo);
  const double near = std::min(std::abs(lo), std::abs(hi)), far = std::max(std::abs(lo), std::abs(hi));
  engine.m_dStdMin = lo < 0.0 && hi > 0.0 ? 0.0 : near;
  engine.m_dStdMax = far;
  engine.m_dColorMin = lo;
  engine.m_dColorMax = hi;
  engine.m_dOuterMin = lo - half;
  engine.m_dOuterMax = hi + half;
}

int drawColumnsView(CMEGSpctmDrawqv& engine, CDC& dc, const CRect& rect, int spctmClass, int dataKind) {
  if (!engine.showSpctmMC(&dc, rect, spctmClass, dataKind)) return 0;
  return engine.m_pSession->getTotalChnl_Visible(true) > 0 ? 1 : 0;
}

std::vector<CRect> gridCells(int count, int width, int height) {
  std::vector<CRect> cells;
  if (count < 1 || width < 1 || height < 1) return cells;
  const double aspect = static_cast<double>(width) / height;
  const int columns = std::max(1, static_cast<int>(std::ceil(std::sqrt(count * aspect))));
  const int rows = (count + columns - 1) / columns;
  const int w = width / columns, h = height / rows;
  for (int i = 0; i < count; ++i) {
    const int x = (i % columns) * w, y = (i / columns) * h;
    cells.emplace_back(x, y, x + w, y + h);
  }
  return cells;
}

int drawPatchGrid(CMEGSpctmDrawqv& engine, CDC& dc, const CRect& rect, Modality modality, int spctmClass,
                  int dataKind) {
  dc.FillSolidRect(rect, engine.m_crBackground);
  if (!engine.updateMEGData()) return 0;
  CMDTrialqv* trial = engine.m_pTrial;
  std::vector<CMDChannelqv*> channels;
  for (std::int64_t i = 0; i < trial->getTotalChannel(); ++i) {
    CMDChannelqv* ch = trial->getChannel(i);
    if (ch && (modality == Modality::Meg ? ch->isMEGMeasureChannel() : ch->isEEGMeasureChannel())) {
      channels.push_back(ch);
    }
  }
  const std::vector<CRect> cells = gridCells(static_cast<int>(channels.size()), rect.Width(), rect.Height());

  CFont* oldFont = dc.SelectObject(engine.m_pFont);
  const COLORREF oldText = dc.SetTextColor(engine.m_crText);
  const int oldMode = dc.SetBkMode(TRANSPARENT);
  const int labelHeight = dc.GetTextExtent(CString(L"M")).cy;
  int drawn = 0;
  for (std::size_t i = 0; i < channels.size(); ++i) {
    CRect cell = cells[i];
    cell.OffsetRect(rect.left, rect.top);
    // The name stands under the patch, whose bottom-left pixel holds the draw window's
    // first time and frequency point; the patch fills the cell above, 2 pixels in.
    const int nameTop = cell.bottom - labelHeight - 1;
    dc.TextOut(cell.left + 2, nameTop, CString(channels[i]->m_strName));
    const int x0 = cell.left + 2, y0 = nameTop - 2, x1 = cell.right - 3, y1 = cell.top + 2;
    CSpctmChnlqv* spectrum = channels[i]->getSpctmChnl(false, spctmClass);
    drawn += engine.m_bStdRender
                 ? engine.drawSpctmContourmapStd(&dc, x0, y0, x1, y1, spectrum, spctmClass, dataKind)
                 : engine.drawSpctmContourmapx(&dc, x0, y0, x1, y1, spectrum, spctmClass, dataKind);
  }
  dc.SetBkMode(oldMode);
  dc.SetTextColor(oldText);
  dc.SelectObject(oldFont);
  return drawn;
}

}  // namespace spctmview
