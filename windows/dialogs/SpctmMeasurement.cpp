#include "windows/dialogs/SpctmMeasurement.h"

#include <new>

using spctmtext::MMMR;

void SpctmMeasurement::bindMeasurement(CArrayMEDataSetqv* pDataSet, CMEGDataqv* pSession, CMDTrialqv* pTrial,
                                       int nChnlSource, int nSpctmClass, int nDataKind) {
  m_pDataSet = pDataSet;
  m_pSession = pSession;
  m_pTrial = pTrial;
  m_nChnlSource = nChnlSource;
  m_nSpctmClass = nSpctmClass;
  m_nDataKind = nDataKind;
}

std::int64_t SpctmMeasurement::setWindowToSpctm(bool bWhole) {
  if (!m_pTrial) return 0;
  return m_pTrial->getSpctmSize(bWhole, m_nTimeBegin, m_nTimeEnd, m_nFreqBegin, m_nFreqEnd, m_nSpctmClass);
}

void SpctmMeasurement::convertWindowTime() {
  if (m_pSession) {
    m_pSession->getTrialSpctmGivenTime2LatencyMsec(m_nTimeBegin, m_nTimeEnd, m_dTimeBeginMs, m_dTimeEndMs,
                                                   m_nSpctmClass, m_nDataKind);
  }
}

void SpctmMeasurement::convertWindowFreq() {
  if (!m_pTrial) return;
  if (const CSpctmTrialqv* spctm = m_pTrial->getSpctmTrial(false, m_nSpctmClass))
    spctm->getTrialSpctmGivenFreqID4Hz(m_nFreqBegin, m_nFreqEnd, m_dFreqBeginHz, m_dFreqEndHz);
}

bool SpctmMeasurement::convertWindow() {
  convertWindowTime();
  if (!m_pTrial) return false;
  convertWindowFreq();
  return true;
}

spctmtext::MeasureWindow SpctmMeasurement::window() const {
  return {m_nTimeBegin,   m_nTimeEnd,   m_nFreqBegin,   m_nFreqEnd,
          m_dTimeBeginMs, m_dTimeEndMs, m_dFreqBeginHz, m_dFreqEndHz};
}

int SpctmMeasurement::prepareValueBuffer() {
  const std::int64_t n = m_nFreqEnd - m_nFreqBegin + 1;
  if (n != m_nValueCount) m_pValues.reset();
  if (n < 1) return 0;
  if (m_pValues) return 1;
  m_pValues.reset(new (std::nothrow) double[static_cast<std::size_t>(n)]);
  if (!m_pValues) return 0;
  m_nValueCount = n;
  return 1;
}

MMMR SpctmMeasurement::measureWindowMMMR() {
  MMMR v;
  if (m_pTrial) {
    m_pTrial->getSelectSpctmValueMMMR(m_nChnlSource, m_nSpctmClass, m_nDataKind, -1, m_nTimeBegin, m_nTimeEnd,
                                      m_nFreqBegin, m_nFreqEnd, v.minimum, v.mean, v.maximum, v.rms);
  }
  return v;
}

int SpctmMeasurement::measureWindowValues() {
  if (!m_pTrial || m_nMode < 1 || m_nMode > 6 || !prepareValueBuffer()) return 0;
  m_pTrial->getSelectSpctmValueXX(m_nChnlSource, m_nSpctmClass, m_nDataKind, m_nMode, -1, m_nTimeBegin, m_nTimeEnd,
                                  m_nFreqBegin, m_nFreqEnd, m_nValueCount, m_pValues.get());
  return 1;
}

std::vector<SpctmMeasurement::ChannelStats> SpctmMeasurement::measureChannelsMMMR() {
  std::vector<ChannelStats> rows;
  if (!m_pTrial) return rows;
  const std::int64_t channels = m_pTrial->getTotalChannel();
  rows.reserve(static_cast<std::size_t>(channels));
  for (std::int64_t i = 0; i < channels; ++i) {
    ChannelStats row;
    row.name = m_pTrial->getChannelName(i);
    row.hasData = m_pTrial->hasSpctmData4Chnl(m_nSpctmClass, m_nDataKind, i) != 0;
    // The host is asked for the channel itself (statistic 0), whatever the stored statistic.
    if (row.hasData) {
      MMMR& v = row.stats;
      m_pTrial->getSelectSpctmValueMMMR(0, m_nSpctmClass, m_nDataKind, i, m_nTimeBegin, m_nTimeEnd, m_nFreqBegin,
                                        m_nFreqEnd, v.minimum, v.mean, v.maximum, v.rms);
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

// ---- The four measurements ----------------------------------------------------------------

int SpctmMeasurement::appendModeLine(const std::wstring& sessionName, CString& text) {
  const std::wstring& trialName = m_pTrial->m_strName;
  if (m_nMode == 0) {
    text += CString(spctmtext::mmmrLine(sessionName, trialName, window(), measureWindowMMMR()));
    return 1;
  }
  if (m_nMode > 3 || !measureWindowValues()) return 0;
  text += CString(spctmtext::windowValuesLine(sessionName, trialName, window(), m_pValues.get(), m_nValueCount));
  return 1;
}

int SpctmMeasurement::appendCountLine(const std::wstring& sessionName, std::int64_t points, CString& text) {
  if (!measureWindowValues()) return 0;
  text += CString(
      spctmtext::countValuesLine(sessionName, m_pTrial->m_strName, points, m_pValues.get(), m_nValueCount));
  return 1;
}

int SpctmMeasurement::measureSpctmAM(CArrayMEDataSetqv* pDataSet, CMEGDataqv* pSession, CMDTrialqv* pTrial,
                                     int nChnlSource, int nSpctmClass, int nDataKind, const std::wstring& sessionName,
                                     CString& text) {
  bindMeasurement(pDataSet, pSession, pTrial, nChnlSource, nSpctmClass, nDataKind);
  if (!convertWindow()) return 0;
  if (m_nMode >= 4 && m_nMode <= 6) {
    // The whole spectrum; the converted latencies and frequencies stay those of the window before.
    const std::int64_t points = setWindowToSpctm(true);
    return appendCountLine(sessionName, points, text);
  }
  return appendModeLine(sessionName, text);
}

int SpctmMeasurement::measureSpctmSM(CArrayMEDataSetqv* pDataSet, CMEGDataqv* pSession, CMDTrialqv* pTrial,
                                     int nChnlSource, int nSpctmClass, int nDataKind, const std::wstring& sessionName,
                                     CString& text) {
  bindMeasurement(pDataSet, pSession, pTrial, nChnlSource, nSpctmClass, nDataKind);
  const std::int64_t points = setWindowToSpctm(false);
  if (!convertWindow()) return 0;
  if (m_nMode >= 4 && m_nMode <= 6) return appendCountLine(sessionName, points, text);
  return appendModeLine(sessionName, text);
}

int SpctmMeasurement::measureSpctmAll(CArrayMEDataSetqv* pDataSet, CMEGDataqv* pSession, CMDTrialqv* pTrial,
                                      int nChnlSource, int nSpctmClass, int nDataKind, const std::wstring&,
                                      CString& text) {
  bindMeasurement(pDataSet, pSession, pTrial, nChnlSource, nSpctmClass, nDataKind);
  setWindowToSpctm(true);
  if (!convertWindow()) return 0;
  const std::wstring table = m_pTrial->getSelectSpctmValue2Txt(m_nChnlSource, m_nSpctmClass, m_nDataKind, -1,
                                                               m_nTimeBegin, m_nTimeEnd, m_nFreqBegin, m_nFreqEnd);
  text += CString(table);
  return table.empty() ? 0 : 1;
}

int SpctmMeasurement::measureSpctmAllSns(CArrayMEDataSetqv* pDataSet, CMEGDataqv* pSession, CMDTrialqv* pTrial,
                                         int nChnlSource, int nSpctmClass, int nDataKind, const std::wstring&,
                                         CString& text) {
  bindMeasurement(pDataSet, pSession, pTrial, nChnlSource, nSpctmClass, nDataKind);
  setWindowToSpctm(false);
  if (!convertWindow()) return 0;
  std::wstring block = spctmtext::allSensorsHeader();
  const std::wstring& trialName = m_pTrial->m_strName;
  const spctmtext::MeasureWindow w = window();
  int measured = 0;
  for (const ChannelStats& row : measureChannelsMMMR()) {
    if (row.hasData) {
      block += spctmtext::mmmrLine(trialName, row.name, w, row.stats);
      ++measured;
    } else if (!m_bSpctmChnl) {
      block += spctmtext::missingChannelLine(trialName, row.name);
    }
  }
  if (measured == 0) block += spctmtext::noSpectralDataLine();
  text += CString(std::move(block));
  return 1;
}
