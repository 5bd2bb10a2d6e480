#include "tests/support/RecordingTestWriters.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "tests/support/BrainVisionTestWriter.h"
#include "tests/support/EdfTestWriter.h"

namespace {

struct WrittenUnit {
  const char* text;
  double perSi;  // written value per SI value
};

WrittenUnit writtenUnitOf(const std::string& si) {
  if (si == "V") return {"uV", 1e6};
  if (si == "T") return {"fT", 1e15};
  if (si == "T/m") return {"fT/cm", 1e13};
  return {"", 1.0};
}

std::string labelOf(const RecordingChannel& ch) { return ch.type == ChannelType::Eeg ? "EEG " + ch.name : ch.name; }

}  // namespace

void writeRecordingAsEdf(const Recording& rec, const std::string& path, bool bdf) {
  const auto rate = static_cast<int>(std::lround(rec.samplingRateHz));
  if (rate <= 0 || rec.sampleCount % rate != 0) throw std::runtime_error("whole seconds of samples are needed");
  EdfTestFile f;
  f.bdf = bdf;
  f.records = static_cast<int>(rec.sampleCount / rate);
  const int digMax = bdf ? 8388607 : 32767;
  for (std::size_t c = 0; c < rec.channels.size(); ++c) {
    const RecordingChannel& ch = rec.channels[c];
    const WrittenUnit unit = writtenUnitOf(ch.unit);
    const auto values = rec.channel(c);
    const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
    // A symmetric range of whole written units around zero, so zero stays exact.
    const double limit = std::max(1.0, std::ceil(std::max(std::fabs(*lo), std::fabs(*hi)) * unit.perSi));
    EdfTestSignal s{labelOf(ch), "", unit.text, -limit, limit, -digMax, digMax, rate, {}};
    s.digital.reserve(values.size());
    for (float v : values) s.digital.push_back(static_cast<int>(std::lround(v * unit.perSi / limit * digMax)));
    f.signals.push_back(std::move(s));
  }
  for (const RecordingEvent& e : rec.events)
    if (!e.text.empty()) f.annotations.push_back({static_cast<double>(e.sample) / rec.samplingRateHz, e.text});
  writeEdfTestFile(path, f);
}

std::string writeRecordingAsBrainVision(const Recording& rec, const std::string& folder, const std::string& base) {
  BrainVisionTestFile f;
  f.binaryFormat = "IEEE_FLOAT_32";
  f.samplingIntervalUs = 1e6 / rec.samplingRateHz;
  for (std::size_t c = 0; c < rec.channels.size(); ++c) {
    const RecordingChannel& ch = rec.channels[c];
    if (ch.type == ChannelType::Stim) continue;  // its triggers are the markers
    const WrittenUnit unit = writtenUnitOf(ch.unit);
    BrainVisionTestChannel out{ch.name, 1.0, ch.unit == "V" ? "\xC2\xB5V" : unit.text, {}, {}};
    for (float v : rec.channel(c)) out.stored.push_back(v * unit.perSi);
    f.channels.push_back(std::move(out));
  }
  for (const RecordingEvent& e : rec.events) {
    char code[16];
    std::snprintf(code, sizeof code, "S%3lld", static_cast<long long>(e.code));
    f.markers.push_back(e.code != 0 ? BrainVisionTestMarker{"Stimulus", code, static_cast<long>(e.sample + 1)}
                                    : BrainVisionTestMarker{"Comment", e.text, static_cast<long>(e.sample + 1)});
  }
  return writeBrainVisionTestFiles(folder, base, f);
}
