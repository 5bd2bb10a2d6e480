// Measurement session: its name, its trials (owned; one current), the per-channel flags
// and display gains that hold for all trials, the processing-in-progress flag and the two
// projection parameters. The root of the session chain holds all session data; the links
// add the operations the display calls. The dataset array (CArrayMEDataSet) owns sessions.
//
// Index −1 means the current trial (getTrialqv) or the current trial's current channel
// (channel operations of the links). Channel flags are kept per channel index for all
// trials, over as many indices as the session's largest trial has channels.
//
// Host-defined meanings:
// - hasData2Draw: 1 when the current trial has a channel and a spectral trial with at
//   least one time point and one frequency point.
// - getTotalChnl_Visible(named): the current trial's non-null channels that the session
//   shows; with named true, only those whose name is not empty (so the count matches the
//   names the column view writes).
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/data/CMDTrialqv.h"
#include "host/data/SpctmComputation.h"

class CMEGData {
 public:
  explicit CMEGData(std::wstring name = {});
  CMEGData(const CMEGData&) = delete;
  CMEGData& operator=(const CMEGData&) = delete;
  ~CMEGData();

  // The trial at an index (−1: the current one), or null.
  CMDTrialqv* getTrialqv(std::int64_t index) const;
  CMDTrialqv* getCurrentTrialPt() const { return getTrialqv(-1); }
  std::int64_t getTotalTrial() const { return static_cast<std::int64_t>(m_trials.size()); }
  std::wstring getSessionName() const { return m_strName; }
  int hasData2Draw() const;
  std::int64_t getTotalChnl_Visible(bool named) const;

  // Non-zero while the host computes the session's spectra; the windows then show a
  // processing text instead of drawing.
  std::atomic<bool> m_bProcessing{false};
  // The two values the topographic canvas passes to the session-parameterised projection
  // (CMDTrial8Show::…3Dto2Dpro): layout units per radian of polar angle, and how far
  // below the head origin (metres) the projection centre lies.
  double m_dProj2DScale = 1.0;
  double m_dProj2DDepth = 0.0;

 protected:
  // Number of channel indices the flags cover: the largest trial's channel count.
  std::int64_t getChannelIndexCount() const;
  // The channel index an index designates (−1: the current trial's current channel), or
  // −1 when it lies outside the flags' range.
  std::int64_t resolveChannelIndex(std::int64_t index) const;

  std::wstring m_strName;
  std::vector<std::unique_ptr<CMDTrialqv>> m_trials;
  std::int64_t m_nCrntTrial = -1;
  // Per channel index, grown on demand; an index beyond the stored size has the default
  // (good, shown, not selected, gain 1).
  std::vector<std::uint8_t> m_good;
  std::vector<std::uint8_t> m_show;
  std::vector<std::uint8_t> m_select;
  std::vector<double> m_gain;
  std::shared_ptr<megdata::SpctmComputation> m_pComputation;
};
