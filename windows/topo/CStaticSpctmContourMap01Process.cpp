#include "windows/topo/CStaticSpctmContourMap01Process.h"

#include <cstdlib>
#include <new>

#include "platform/ui/CommonDialogs.h"

int CStaticSpctmContourMap01Process::pickSensor(CPoint point, BOOL switchSelection, BOOL switchVisibility,
                                                int nChannelType) {
  if (!refreshBinding()) return 0;
  if (m_pSensorSize == nullptr) return 1;
  if (!checkChannelType(nChannelType)) return 0;
  const int r = *m_pSensorSize;
  const bool mirrored = isRadiology();
  try {
    CMDChannelqv* const* channels = m_pTrial->getAllChannelPt();
    for (std::int64_t i = 0; channels != nullptr && i < m_pTrial->getTotalChannel(); ++i) {
      const CMDChannelqv* channel = channels[i];
      if (channel == nullptr || !isOfType(*channel, nChannelType)) continue;
      const CPoint p = sensorPoint(*channel, mirrored);
      if (std::abs(p.x - point.x) >= r || std::abs(p.y - point.y) >= r) continue;
      m_pTrial->m_nCrntChnlIndx = i;
      m_strChannelName = CString(channel->m_strName);
      if (switchSelection) m_pSession->setSelectChnl4Alltrials(i, !m_pSession->isSelectChnl4Alltrials(i), 0);
      if (switchVisibility) m_pSession->setShowChnl4Alltrials(i, !m_pSession->isShowChnl4Alltrials(i));
      deleteOffscreenImage();
      Invalidate(FALSE);
      return 1;
    }
  } catch (const std::bad_alloc&) {
    AfxMessageBox(L"Draw sensor error !");
  }
  return 0;
}

int CStaticSpctmContourMap01Process::stepWindow4Key(UINT nChar) {
  if (nChar != VK_LEFT && nChar != VK_RIGHT && nChar != VK_UP && nChar != VK_DOWN) return 0;
  if (!refreshBinding() || m_pDraw == nullptr) return 0;
  const CSpctmTrialqv* spctm = m_pTrial->getSpctmTrial(false, m_nSpctmClass);
  if (spctm == nullptr) return 0;
  const std::int64_t T = spctm->getTrialSpctmTimePt(), F = spctm->getTrialSpctmFreqPt();
  std::int64_t& time = m_pDraw->m_nWinTimeBegin;
  std::int64_t& freq = m_pDraw->m_nWinFreqBegin;
  switch (nChar) {
    case VK_LEFT:
      time -= m_nStepX;
      if (time < 0) time = 0;
      break;
    case VK_RIGHT:
      time += m_nStepX;
      if (time >= T) time = T - 1;
      break;
    case VK_UP:
      freq += m_nStepY;
      if (freq >= F) freq = F - 1;
      break;
    default:  // VK_DOWN
      freq -= m_nStepY;
      if (freq < 0) freq = 0;
      break;
  }
  return 1;
}
