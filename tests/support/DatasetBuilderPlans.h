// What a DatasetBuilder has been told, kept until build() assembles it: one plan per
// session, trial and channel. Private to DatasetBuilder's sources (the calls record plans,
// DatasetBuilderBuild.cpp turns them into host objects).
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <tuple>

#include "tests/support/DatasetBuilder.h"

namespace megdata {

// An axis given as first value and step, or as explicit values.
struct AxisPlan {
  double first = 0.0;
  double step = 1.0;
  std::vector<double> values;

  std::vector<double> resolve(std::int64_t n, const char* what) const {
    if (!values.empty()) {
      if (values.size() != at(n)) throw std::invalid_argument(std::string("DatasetBuilder: ") + what +
                                                              " hold a different count than the grid");
      return values;
    }
    std::vector<double> v(at(n));
    for (std::size_t i = 0; i < v.size(); ++i) v[i] = first + step * static_cast<double>(i);
    return v;
  }
};

struct DatasetBuilder::ChannelPlan {
  std::wstring name;
  int type = CMDChannelqv::kOtherChannel;
  bool isNull = false;
  double x2d = 0.0, y2d = 0.0;
  double pos3d[3] = {0.0, 0.0, 0.0};
  bool good = true, shown = true, picked = false;
  double gain = 1.0;
  std::vector<std::pair<int, int>> noSpectrum;  // (class, kind), −1 = any
  bool noWave = false;
};

struct DatasetBuilder::TrialPlan {
  std::wstring name;
  std::int64_t T = 0, F = 0, step = 1;
  AxisPlan latencies{0.0, 1.0, {}};
  AxisPlan frequencies{1.0, 1.0, {}};
  std::array<SpctmValueFn, kSpctmClassCount> spectra;
  std::map<std::tuple<int, std::int64_t, int>, std::vector<double>> arrays;  // (class, channel, kind)
  std::vector<std::pair<int, int>> noSummary;
  std::array<bool, kSpctmClassCount> accumulated{};
  std::array<std::optional<SpctmWindow>, kSpctmClassCount> selection;
  std::int64_t samples = 0;
  WaveValueFn waveFn;
  std::map<std::int64_t, std::vector<double>> waves;
  std::int64_t firstSample = 0;
  EpochTiming timing;
  std::optional<std::int64_t> currentChannel;
  bool planesDone = true;

  bool hasClass(int cls) const {
    if (spectra[at(cls)]) return true;
    for (const auto& [key, values] : arrays) {
      if (std::get<0>(key) == cls) return true;
    }
    return false;
  }
};

struct DatasetBuilder::SessionPlan {
  std::wstring name;
  std::vector<ChannelPlan> channels;
  std::vector<TrialPlan> trials;
  std::optional<std::int64_t> currentTrial;
  bool processing = false;
  double projScale = 1.0, projDepth = 0.0;
};

}  // namespace megdata
