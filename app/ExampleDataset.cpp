#include "app/ExampleDataset.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "host/data/DatasetBuilder.h"

namespace spctmview {
namespace {

struct Sensor {
  const wchar_t* name;
  bool meg;
  double x, y;           // layout position, nose up
  double alpha, beta, gamma;  // weight of each effect at this sensor, 0 … 1
};

// A reduced montage: a few MEG sensors per region (hemisphere L/R/Z, region F/C/P/O/T)
// and eight EEG electrodes.
constexpr std::array<Sensor, 28> kSensors{{
    {L"MLF11", true, -2, 6, 0, 0.1, 0}, {L"MLF21", true, -4, 5, 0, 0.1, 0},
    {L"MZF01", true, 0, 7, 0, 0.1, 0},  {L"MRF11", true, 2, 6, 0, 0.1, 0},
    {L"MRF21", true, 4, 5, 0, 0.1, 0},  {L"MLT11", true, -7, 1, 0, 0.2, 0},
    {L"MLC11", true, -2, 2, 0, 1.0, 0}, {L"MLC21", true, -4, 2, 0, 0.8, 0},
    {L"MZC01", true, 0, 2, 0, 0.5, 0},  {L"MRC11", true, 2, 2, 0, 1.0, 0},
    {L"MRC21", true, 4, 2, 0, 0.8, 0},  {L"MRT11", true, 7, 1, 0, 0.2, 0},
    {L"MLP11", true, -2, -2, 0.4, 0.2, 0}, {L"MZP01", true, 0, -2, 0.5, 0.1, 0},
    {L"MRP11", true, 2, -2, 0.4, 0.2, 0},  {L"MLO11", true, -2, -5, 1.0, 0, 0.8},
    {L"MLO21", true, -4, -4, 0.8, 0, 0.2}, {L"MZO01", true, 0, -6, 1.0, 0, 1.0},
    {L"MRO11", true, 2, -5, 1.0, 0, 0.8},  {L"MRO21", true, 4, -4, 0.8, 0, 0.2},
    {L"Fz", false, 0, 5, 0, 0.1, 0},       {L"C3", false, -4, 1, 0, 1.0, 0},
    {L"Cz", false, 0, 1, 0, 0.5, 0},       {L"C4", false, 4, 1, 0, 1.0, 0},
    {L"Pz", false, 0, -3, 0.5, 0.1, 0},    {L"O1", false, -2, -6, 1.0, 0, 0.4},
    {L"Oz", false, 0, -7, 1.0, 0, 1.0},    {L"O2", false, 2, -6, 1.0, 0, 0.4},
}};

// 1 between begin and end (ms), raised-cosine ramps over the 50 ms outside them.
double onBetween(double ms, double begin, double end) {
  constexpr double kRamp = 50.0;
  const double out = std::max(begin - ms, ms - end);
  if (out <= 0.0) return 1.0;
  if (out >= kRamp) return 0.0;
  return 0.5 * (1.0 + std::cos(std::numbers::pi * out / kRamp));
}

// A spectral peak of the given width around a centre frequency.
double peak(double hz, double centre, double width) {
  const double d = (hz - centre) / width;
  return std::exp(-0.5 * d * d);
}

// Amplitude (√power) of a sensor's spectrum at a latency and frequency, in the Control
// condition (active = false) or with the Active effects.
double amplitude(const Sensor& s, double ms, double hz, bool active) {
  const double background = 0.08 + 0.3 * std::exp(-hz / 12.0);
  double alpha = 0.8 * s.alpha * peak(hz, 10.0, 2.0);
  double beta = 0.35 * s.beta * peak(hz, 20.0, 3.0);
  double gamma = 0.0;
  if (active) {
    alpha *= 1.0 - 0.65 * onBetween(ms, 150.0, 650.0);
    beta *= 1.0 + 1.5 * onBetween(ms, 500.0, 800.0);
    gamma = 0.75 * s.gamma * peak(hz, 60.0, 8.0) * onBetween(ms, 100.0, 300.0);
  }
  const double power = background + alpha * alpha + beta * beta + gamma * gamma;
  return std::sqrt(power);
}

// Value of one bin of a class (0 Active, 1 Control, 2 Results) and data kind.
double binValue(const Sensor& s, int cls, std::int64_t t, std::int64_t f, int kind) {
  const double ms = exampleLatencyMs(t), hz = exampleFrequencyHz(f);
  const double phase = 0.12 * static_cast<double>(t) + 0.35 * static_cast<double>(f);
  const double control = amplitude(s, ms, hz, false);
  const double active = amplitude(s, ms, hz, true);
  if (kind == 2) {
    if (cls == 2) return (active * active - control * control) / (control * control);
    return cls == 0 ? active * active : control * control;
  }
  const double amp = cls == 0 ? active : cls == 1 ? control : active - control;
  return amp * (kind == 0 ? std::cos(phase) : std::sin(phase));
}

}  // namespace

std::unique_ptr<CArrayMEDataSetqv> buildExampleDataset() {
  megdata::DatasetBuilder b;
  b.session(L"Example");
  for (const Sensor& s : kSensors) {
    if (s.meg) b.meg(s.name, s.x, s.y);
    else b.eeg(s.name, s.x, s.y);
  }
  b.trial(L"Example trial")
      .grid(kExampleTimePoints, kExampleFreqPoints)
      .latencies(exampleLatencyMs(0), 10.0)
      .frequencies(exampleFrequencyHz(0), 2.0);
  for (int cls = 0; cls < 3; ++cls) {
    b.spectra(cls, [cls](std::int64_t ch, std::int64_t t, std::int64_t f, int kind) {
      return binValue(kSensors[static_cast<std::size_t>(ch)], cls, t, f, kind);
    });
  }
  return b.build();
}

}  // namespace spctmview
