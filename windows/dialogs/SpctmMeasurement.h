// The spectral measurements without a window: the time–frequency window W (points, and
// their latencies and frequencies), the binding and arguments of the last measurement,
// the mode, the value buffer, and the four measurements of the single-channel window's
// buttons, each appending its lines of text. The measurement dialog
// (CDlgSpctrMeasurements) keeps one and exchanges its fields with its controls;
// `spctm-view measure` and the benchmarks use it directly. The host does the arithmetic
// (CMDTrial4Spctm); this class chooses the window, asks the host and writes the lines.
// UI thread only; the host objects are borrowed.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/data/CArrayMEDataSetqv.h"
#include "platform/gdi/CString.h"
#include "windows/dialogs/SpctmMeasureText.h"

class SpctmMeasurement {
 public:
  // One channel of an all-sensors measurement.
  struct ChannelStats {
    std::wstring name;
    bool hasData = false;  // false: no spectrum of the class and kind (stats all 0)
    spctmtext::MMMR stats;
  };

  // The four measurements. Each stores the binding and the three integers, sets W (AM:
  // W as it stands, or the whole spectrum for modes 4–6; SM and All Sns: the class's
  // selection; All: the whole spectrum), converts W's times to ms (with a session) and
  // frequencies to Hz (with the class's spectral trial), then appends to `text`:
  // - AM and SM: one line of the mode (0 MMMR; 1–3 one value per frequency point of W;
  //   4–6 the same after the point count); nothing for another mode;
  // - All: the host's table of W's values;
  // - All Sns: the all-sensors header, one MMMR line per channel (trial and channel name;
  //   a channel without spectra is skipped while m_bSpctmChnl is set, else listed as
  //   missing), and "No spectral data \n" when no channel was measured.
  // sessionName becomes the first name of AM, SM and All lines. Each returns 1 when it
  // appended something, 0 without a trial (nothing appended) or when the mode gives
  // nothing or the value buffer cannot be had.
  int measureSpctmAM(CArrayMEDataSetqv* pDataSet, CMEGDataqv* pSession, CMDTrialqv* pTrial, int nChnlSource,
                     int nSpctmClass, int nDataKind, const std::wstring& sessionName, CString& text);
  int measureSpctmSM(CArrayMEDataSetqv* pDataSet, CMEGDataqv* pSession, CMDTrialqv* pTrial, int nChnlSource,
                     int nSpctmClass, int nDataKind, const std::wstring& sessionName, CString& text);
  int measureSpctmAll(CArrayMEDataSetqv* pDataSet, CMEGDataqv* pSession, CMDTrialqv* pTrial, int nChnlSource,
                      int nSpctmClass, int nDataKind, const std::wstring& sessionName, CString& text);
  int measureSpctmAllSns(CArrayMEDataSetqv* pDataSet, CMEGDataqv* pSession, CMDTrialqv* pTrial, int nChnlSource,
                         int nSpctmClass, int nDataKind, const std::wstring& sessionName, CString& text);

  // The steps the measurements are made of, for callers that want numbers, not text.
  // Stores the binding and the arguments of a measurement.
  void bindMeasurement(CArrayMEDataSetqv* pDataSet, CMEGDataqv* pSession, CMDTrialqv* pTrial, int nChnlSource,
                       int nSpctmClass, int nDataKind);
  // W = the class's whole spectrum (bWhole) or its selection; returns the point count
  // (T·F of W), 0 (and W all 0) without a trial or spectral trial.
  std::int64_t setWindowToSpctm(bool bWhole);
  // W's latencies from its time points (with a session) and frequencies from its
  // frequency points (with the class's spectral trial). False without a trial.
  bool convertWindow();
  // W's latencies alone, W's frequencies alone (as the time and frequency edits ask).
  void convertWindowTime();
  void convertWindowFreq();
  // The channel statistic's MMMR over W (its current channel for statistic 0).
  spctmtext::MMMR measureWindowMMMR();
  // The mode's values per frequency point of W (modes 1–6) into the value buffer. 0 when
  // W is empty, the mode has none, there is no trial or the buffer cannot be had.
  int measureWindowValues();
  // MMMR over W of every channel of the trial, in order.
  std::vector<ChannelStats> measureChannelsMMMR();

  // The value buffer holds one value per frequency point of W: released when W's count
  // differs from the value count, allocated when missing. 0 when W is empty or the
  // allocation fails, else 1.
  int prepareValueBuffer();
  const double* values() const { return m_pValues.get(); }
  std::int64_t valueCount() const { return m_nValueCount; }

  // W as the text formats take it.
  spctmtext::MeasureWindow window() const;

  int m_nMode = 0;  // 0–6, the mode combo's order
  std::int64_t m_nTimeBegin = 0, m_nTimeEnd = 1;  // W, points
  std::int64_t m_nFreqBegin = 0, m_nFreqEnd = 1;
  double m_dTimeBeginMs = 0.0, m_dTimeEndMs = 1.0;    // latencies of W's time points
  double m_dFreqBeginHz = 0.0, m_dFreqEndHz = 1.0;    // frequencies of W's frequency points
  CArrayMEDataSetqv* m_pDataSet = nullptr;  // the binding of the last measurement
  CMEGDataqv* m_pSession = nullptr;
  CMDTrialqv* m_pTrial = nullptr;
  int m_nChnlSource = 0;  // 0 the current channel, 1–6 a group statistic
  int m_nSpctmClass = 0;
  int m_nDataKind = 0;
  int m_bSpctmChnl = 1;  // all sensors: skip channels without spectra (else list them)

 private:
  // Modes 0–3 over W as it stands (AM, SM): one line, or 0.
  int appendModeLine(const std::wstring& sessionName, CString& text);
  // Modes 4–6: the per-frequency values over W after the point count.
  int appendCountLine(const std::wstring& sessionName, std::int64_t points, CString& text);

  std::unique_ptr<double[]> m_pValues;
  std::int64_t m_nValueCount = 0;
};
