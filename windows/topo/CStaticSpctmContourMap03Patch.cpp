#include "windows/topo/CStaticSpctmContourMap03Patch.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/CPen.h"
#include "platform/gdi/DcStateScope.h"

CRect CStaticSpctmContourMap03Patch::patchRect(const CMDChannelqv& channel, int nChannelType, bool mirrored) const {
  double lx = 0.0, ly = 0.0;
  layoutPosition(channel, nChannelType, lx, ly);
  const std::int64_t left = pointX(lx, mirrored), right = left + m_nPatchTimePoints;
  std::int64_t bottom = pointY(ly), top = bottom - m_nPatchFreqPoints;
  if (m_bNoseUp) {
    // Reflected, the two edges change places on screen: the patch hangs below the
    // sensor point, and its first frequency row is the lower edge.
    const std::int64_t reflectedTop = reflectY(bottom);
    bottom = reflectY(top);
    top = reflectedTop;
  }
  return CRect(static_cast<int>(clampX(left)), static_cast<int>(clampY(top)), static_cast<int>(clampX(right)),
               static_cast<int>(clampY(bottom)));
}

CSpctmChnlqv* CStaticSpctmContourMap03Patch::patchSpectrum(CMDChannelqv* channel, std::int64_t index,
                                                           int nChannelType) const {
  if (channel == nullptr || !isOfType(*channel, nChannelType) || !m_pSession->isShowChnl4Alltrials(index)) return nullptr;
  return channel->getSpctmChnl(false, m_nSpctmClass);
}

int CStaticSpctmContourMap03Patch::drawPatches(CDC* pDC, int nChannelType) {
  if (!refreshBinding() || m_pDraw == nullptr || !checkChannelType(nChannelType)) return 0;
  const bool mirrored = isRadiology();
  CPen green(PS_SOLID, 1, RGB(0, 255, 0));
  DcStateScope scope(*pDC);
  if (mirrored) scope.pen(&green);
  CMDChannelqv* const* channels = m_pTrial->getAllChannelPt();
  for (std::int64_t i = 0; channels != nullptr && i < m_pTrial->getTotalChannel(); ++i) {
    CSpctmChnlqv* spectrum = patchSpectrum(channels[i], i, nChannelType);
    if (spectrum == nullptr) continue;
    const CRect r = patchRect(*channels[i], nChannelType, mirrored);
    m_pDraw->showSpctmContourMap(pDC, r.left, r.bottom, r.right, r.top, spectrum, m_nSpctmClass, m_nDataKind);
  }
  return 1;
}

int CStaticSpctmContourMap03Patch::autofitAllPatches(int nChannelType) {
  if (!refreshBinding() || m_pDraw == nullptr || !checkChannelType(nChannelType)) return 0;
  bool found = false;
  double largest = 0.0, smallest = 0.0;
  CMDChannelqv* const* channels = m_pTrial->getAllChannelPt();
  for (std::int64_t i = 0; channels != nullptr && i < m_pTrial->getTotalChannel(); ++i) {
    CSpctmChnlqv* spectrum = patchSpectrum(channels[i], i, nChannelType);
    if (spectrum == nullptr) continue;
    const CRect r = patchRect(*channels[i], nChannelType, false);
    if (!m_pDraw->autoFitStdViewRng4CrntShowPro(r.left, r.bottom, r.right, r.top, spectrum, m_nSpctmClass, m_nDataKind))
      continue;
    const double high = std::abs(m_pDraw->m_dOuterMax), low = std::abs(m_pDraw->m_dOuterMin);
    largest = found ? std::max(largest, high) : high;
    smallest = found ? std::min(smallest, low) : low;
    found = true;
  }
  m_pDraw->m_dStdMax = largest;
  m_pDraw->m_dStdMin = smallest;
  return 1;
}
