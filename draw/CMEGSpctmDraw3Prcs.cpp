#include "draw/CMEGSpctmDraw3Prcs.h"

#include <algorithm>
#include <cmath>

#include "draw/DrawNumbers.h"

using spctmdraw::bounded;

CSpctmTrialqv* CMEGSpctmDraw3Prcs::spctmTrial4Grid(int nClass, std::int64_t& T, std::int64_t& F) {
  T = F = 0;
  CSpctmTrialqv* pSpctm = refreshSpctmTrial(nClass);
  if (!pSpctm) return nullptr;
  T = pSpctm->getTrialSpctmTimePt();
  F = pSpctm->getTrialSpctmFreqPt();
  return (T < 1 || F < 1) ? nullptr : pSpctm;
}

int CMEGSpctmDraw3Prcs::animateSpctm(std::int64_t nTimeStep, std::int64_t nFreqStep, int nClass, int nApply) {
  std::int64_t T = 0, F = 0;
  CSpctmTrialqv* pSpctm = spctmTrial4Grid(nClass, T, F);
  if (!pSpctm || nTimeStep < 1 || nFreqStep < 1) return 0;

  // Window points from a settings record may lie anywhere; bounded, every sum below stays
  // in range, and nothing changes for points within ±2^60.
  const std::int64_t spanT = bounded(m_nWinTimeEnd) - bounded(m_nWinTimeBegin);
  const std::int64_t spanF = bounded(m_nWinFreqEnd) - bounded(m_nWinFreqBegin);

  // The window runs along time; at the end of the time axis it starts again at time 0 one
  // frequency step higher, and at the top of the frequency axis again at frequency 0.
  m_nWinTimeBegin = bounded(m_nWinTimeBegin) + bounded(nTimeStep);
  if (m_nWinTimeBegin >= T) {
    m_nWinTimeBegin = 0;
    m_nWinFreqBegin = bounded(m_nWinFreqBegin) + bounded(nFreqStep);
    if (m_nWinFreqBegin >= F) m_nWinFreqBegin = 0;
  }
  // Same number of points as before, shortened where the grid ends.
  m_nWinTimeEnd = std::max<std::int64_t>(std::min(m_nWinTimeBegin + spanT, T - 1), 0);
  m_nWinFreqEnd = std::max<std::int64_t>(std::min(m_nWinFreqBegin + spanF, F - 1), 0);

  if (nApply) {
    pSpctm->setTrialSpctmSelectTime(m_nWinTimeBegin, m_nWinTimeEnd);
    pSpctm->setTrialSpctmSelectFreq(m_nWinFreqBegin, m_nWinFreqEnd);
  }
  return 1;
}

int CMEGSpctmDraw3Prcs::mouseMoveSpctm(int nTimeDelta, int nFreqDelta, int nClass) {
  std::int64_t T = 0, F = 0;
  CSpctmTrialqv* pSpctm = spctmTrial4Grid(nClass, T, F);
  if (!pSpctm || (nTimeDelta == 0 && nFreqDelta == 0)) return 0;
  m_nWinTimeBegin = std::clamp<std::int64_t>(bounded(m_nWinTimeBegin) + nTimeDelta, 0, T - 1);
  m_nWinFreqBegin = std::clamp<std::int64_t>(bounded(m_nWinFreqBegin) + nFreqDelta, 0, F - 1);
  return 1;
}

int CMEGSpctmDraw3Prcs::autoFitStdViewRng4CrntShowPro(int x0, int y0, int x1, int y1, CSpctmChnlqv* pChnl,
                                                      int /*nClass*/, int nKind) {
  if (!pChnl) return 0;
  std::int64_t T = 0, F = 0;
  const double* pData = pChnl->getSpctmDataPtr(nKind, &T, &F);
  if (!pData) return 0;

  // One point per pixel: time runs right from x0 to x1, frequency up from y0 to y1, both
  // from the draw window's begin. Points before index 0 are skipped, so each loop starts
  // at the later of the begin and 0. Written as last indices, the bounds cannot overflow:
  // a region of negative extent visits nothing, and a begin at or past the end as well.
  const std::int64_t width = std::int64_t{x1} - x0;
  const std::int64_t height = std::int64_t{y0} - y1;
  if (width < 0 || height < 0 || m_nWinTimeBegin >= T || m_nWinFreqBegin >= F) return 0;
  const std::int64_t tLast = std::min(T - 1, m_nWinTimeBegin + width);
  const std::int64_t fLast = std::min(F - 1, m_nWinFreqBegin + height);

  bool any = false;
  double mn = 0.0, mx = 0.0;
  for (std::int64_t t = std::max<std::int64_t>(m_nWinTimeBegin, 0); t <= tLast; ++t) {
    const double* column = pData + t * F;
    for (std::int64_t f = std::max<std::int64_t>(m_nWinFreqBegin, 0); f <= fLast; ++f) {
      const double v = std::fabs(column[f]);
      if (!any) {
        mn = mx = v;
        any = true;
      } else {
        mn = std::min(mn, v);
        mx = std::max(mx, v);
      }
    }
  }
  if (!any) return 0;
  m_dStdMin = mn;
  m_dOuterMin = mn;
  m_dOuterMax = mx;
  // The standard maximum goes to the middle of the range, not to its top, so the strongest
  // values saturate and the weaker structure keeps its contrast.
  m_dStdMax = mn + (mx - mn) * 0.5;
  return 1;
}
