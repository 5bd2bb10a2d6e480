// Builds exact host datasets in a few lines, for tests and demonstrations: sessions,
// trials, channels, spectra (as arrays or as a function of channel, time point, frequency
// point and data kind), axes, raw waveforms, flags, and missing pieces on purpose. Group
// summaries are computed by the host itself (CMEGData4SpctmProcess), as in real use.
//
//   auto ds = megdata::DatasetBuilder()
//                 .meg(L"MLC11", 0, 0).meg(L"MRC11", 2, 0).bad()
//                 .grid(4, 3).latencies(-100, 50).frequencies(8, 2)
//                 .spectra(0, [](int64_t c, int64_t t, int64_t f, int k) { return c + t + f + k; })
//                 .build();
//
// Scope of each call: session-level calls (channels and their modifiers, flags, gains)
// apply to the open session and every trial in it; trial-level calls (grid, axes, spectra,
// selection, waveforms) apply to the open trial. A call that needs a session or trial opens
// "Session 1" / "Trial 1" when none is open. Order does not matter otherwise: everything is
// assembled by build(), which may be called more than once (each call builds a new dataset).
// Mistakes (an array of the wrong size, spectra without a grid, a modifier before any
// channel) throw std::invalid_argument with a message saying which call was wrong.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/data/CArrayMEDataSetqv.h"

namespace megdata {

// Value of a spectral bin: channel index, time point, frequency point, data kind.
using SpctmValueFn = std::function<double(std::int64_t chnl, std::int64_t t, std::int64_t f, int kind)>;
// Value of a raw sample: channel index, sample index.
using WaveValueFn = std::function<double(std::int64_t chnl, std::int64_t sample)>;

class DatasetBuilder {
 public:
  DatasetBuilder();
  DatasetBuilder(const DatasetBuilder&);
  DatasetBuilder(DatasetBuilder&&) noexcept;
  DatasetBuilder& operator=(const DatasetBuilder&);
  DatasetBuilder& operator=(DatasetBuilder&&) noexcept;
  ~DatasetBuilder();

  // --- Sessions. The first session is current unless currentSession says otherwise.
  DatasetBuilder& session(std::wstring name);
  DatasetBuilder& currentSession(std::int64_t index);  // −1: no current session
  DatasetBuilder& processing(bool on = true);           // the session computes right now
  DatasetBuilder& projectionParams(double scale, double depth);

  // --- Channels of the open session, appended in order (index = order of the calls).
  // 2-D positions are layout positions; MEG and EEG planes count as done unless
  // planes2DNotDone is called, and the trial's extents are computed from them.
  DatasetBuilder& meg(std::wstring name, double x2d, double y2d);
  DatasetBuilder& eeg(std::wstring name, double x2d, double y2d);
  DatasetBuilder& other(std::wstring name);  // neither MEG nor EEG
  DatasetBuilder& nullChannel();             // a null entry in the channel array
  // n MEG sensors named "M1" … "Mn" on a square grid of unit spacing, row by row.
  DatasetBuilder& megGrid(std::int64_t n);
  // Modifiers of the last channel added.
  DatasetBuilder& at3D(double x, double y, double z);
  DatasetBuilder& bad();
  DatasetBuilder& hidden();
  DatasetBuilder& selected();
  DatasetBuilder& gain(double pixelsPerUnit);
  DatasetBuilder& noSpectrum(int cls = -1, int kind = -1);  // −1: every class / kind
  DatasetBuilder& noWave();

  // --- Trials of the open session. A new trial starts with the grid, time step, axes and
  // epoch timing of the session's previous trial; spectra, selections and waveforms start
  // empty.
  DatasetBuilder& trial(std::wstring name);
  DatasetBuilder& currentTrial(std::int64_t index);     // −1: no current trial
  DatasetBuilder& currentChannel(std::int64_t index);   // −1: none; default the first channel
  DatasetBuilder& grid(std::int64_t T, std::int64_t F);
  DatasetBuilder& timeStep(std::int64_t samplesPerPoint);
  DatasetBuilder& latencies(double firstMs, double stepMs);   // default 0 ms, 1 ms
  DatasetBuilder& latencies(std::vector<double> ms);          // T values
  DatasetBuilder& frequencies(double firstHz, double stepHz); // default 1 Hz, 1 Hz
  DatasetBuilder& frequencies(std::vector<double> hz);        // F values
  // Every channel's spectra of a class, all three kinds, from a function.
  DatasetBuilder& spectra(int cls, SpctmValueFn fn);
  // One channel's array of a class and kind (T·F values, time-major); overrides spectra.
  DatasetBuilder& spectrum(int cls, std::int64_t chnl, int kind, std::vector<double> values);
  DatasetBuilder& noSummary(int cls = -1, int kind = -1);  // drop computed summaries
  DatasetBuilder& accumulated(int cls);
  // Selection of a class (−1: every class); default the whole grid.
  DatasetBuilder& selection(int cls, std::int64_t tb, std::int64_t te, std::int64_t fb, std::int64_t fe);
  // Raw waveforms of every channel: `samples` samples each, from a function.
  DatasetBuilder& waves(std::int64_t samples, WaveValueFn fn);
  // One channel's raw waveform (same length as the others); overrides waves.
  DatasetBuilder& wave(std::int64_t chnl, std::vector<double> samples);
  DatasetBuilder& firstSample(std::int64_t sample);  // raw sample of time point 0
  // Timing of the trial's raw waveforms, what the spectral computation cuts the Active
  // and Control classes by (kept by the trials that follow). Default: rate 0, unknown.
  DatasetBuilder& epochTiming(double samplingRateHz, std::int64_t stimulusSample, SampleWindow active,
                              SampleWindow control);
  DatasetBuilder& planes2DNotDone();

  std::unique_ptr<CArrayMEDataSetqv> build() const;

 private:
  struct ChannelPlan;
  struct TrialPlan;
  struct SessionPlan;

  SessionPlan& openSession();
  TrialPlan& openTrial();
  ChannelPlan& lastChannel(const char* call);
  DatasetBuilder& addChannel(std::wstring name, int type, double x2d, double y2d);
  std::unique_ptr<CMDTrialqv> buildTrial(const SessionPlan& s, const TrialPlan& t) const;

  std::vector<SessionPlan> m_sessions;
  std::optional<std::int64_t> m_currentSession;
};

}  // namespace megdata
