// A small recording of every channel type for the FIF reader's tests: two MEG sensors
// (planar gradiometer, magnetometer), an EEG electrode marked bad, EOG, the summing trigger
// channel and an ECG channel, 2.5 s at 1 kHz. Values are whole multiples of each channel's
// stored step (range x calibration, powers of two) so that every sample type round-trips
// exactly; the trigger holds codes 5, then 3 stepping up to 7, then 1 up to the end.
#pragma once

#include <cmath>

#include "tests/support/FifWriter.h"

namespace fiftest {

inline constexpr double kRange = 2.0;

inline std::vector<double> calibrations() {
  return {std::ldexp(1.0, -43), std::ldexp(1.0, -41), std::ldexp(1.0, -28), std::ldexp(1.0, -26), 0.5, std::ldexp(1.0, -27)};
}

inline Point3 unitVector(Point3 p) {
  const double n = std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z);
  return {p.x / n, p.y / n, p.z / n};
}

inline Recording recording(std::int64_t samples = 2500) {
  Recording r;
  r.samplingRateHz = 1000.0;
  r.sampleCount = samples;
  auto add = [&](const char* name, ChannelType type, const char* unit, bool hasPos, Point3 pos, Point3 orient) {
    RecordingChannel ch;
    ch.name = name;
    ch.type = type;
    ch.unit = unit;
    ch.hasPosition = hasPos;
    ch.position = pos;
    ch.orientation = orient;
    r.channels.push_back(ch);
  };
  add("MEG 0112", ChannelType::MegGrad, "T/m", true, {0.031, 0.052, 0.081}, unitVector({0.3, 0.5, 0.8}));
  add("MEG 0111", ChannelType::MegMag, "T", true, {-0.045, -0.012, 0.093}, unitVector({-0.4, -0.1, 0.9}));
  add("EEG 001", ChannelType::Eeg, "V", true, {0.072, 0.004, 0.041}, unitVector({0.072, 0.004, 0.041}));
  add("EOG 061", ChannelType::Eog, "V", false, {}, {});
  add("STI 014", ChannelType::Stim, "", false, {}, {});
  add("ECG 063", ChannelType::Other, "", false, {}, {});
  r.channels[2].bad = true;

  const std::vector<double> cal = calibrations();
  r.samples.resize(r.channels.size() * static_cast<std::size_t>(samples));
  for (std::size_t c = 0; c < r.channels.size(); ++c) {
    const double step = static_cast<double>(static_cast<float>(kRange)) * static_cast<float>(cal[c]);
    for (std::int64_t s = 0; s < samples; ++s) {
      double k = static_cast<double>((s * 7 + static_cast<std::int64_t>(c) * 131) % 6001 - 3000);
      if (r.channels[c].type == ChannelType::Stim)
        k = (s >= 500 && s < 550) ? 5 : (s >= 1200 && s < 1210) ? 3 : (s >= 1210 && s < 1220) ? 7 : s >= 2400 ? 1 : 0;
      r.samples[c * static_cast<std::size_t>(samples) + static_cast<std::size_t>(s)] = static_cast<float>(k * step);
    }
  }
  r.events = {{500, 5, {}}, {1200, 3, {}}, {1210, 7, {}}, {2400, 1, {}}};
  return r;
}

inline fifwriter::Options options(std::int32_t sampleType = fif::type::Float) {
  fifwriter::Options o;
  o.sampleType = sampleType;
  o.range = kRange;
  o.calibration = calibrations();
  // 90 degrees about z, then moved: the device's +x is the head's +y.
  o.deviceToHead.rotation[0] = 0, o.deviceToHead.rotation[1] = -1, o.deviceToHead.rotation[3] = 1, o.deviceToHead.rotation[4] = 0;
  o.deviceToHead.move[0] = 0.002, o.deviceToHead.move[1] = -0.011, o.deviceToHead.move[2] = 0.043;
  return o;
}

}  // namespace fiftest
