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

}  // namespace spctmview
