#include "app/DatasetOptionValues.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "app/DatasetSource.h"
#include "app/OptionValues.h"

namespace spctmview {
namespace {

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, from)) {
    parts.push_back(text.substr(from, at - from));
    from = at + 1;
  }
  parts.push_back(text.substr(from));
  return parts;
}

bool numberOf(const std::string& text, double& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && !text.empty() && std::isfinite(value);
}

}  // namespace

void msWindowOf(const std::string& option, const std::string& text, double& beginMs, double& endMs) {
  const std::vector<std::string> parts = split(text, ',');
  double b = 0, e = 0;
  if (parts.size() != 2 || !numberOf(parts[0], b) || !numberOf(parts[1], e) || b >= e) {
    throw UsageError(option + " needs BEGIN,END in ms with BEGIN below END (as -500,0), got '" + text + "'");
  }
  beginMs = b;
  endMs = e;
}

void frequenciesOf(const std::string& option, const std::string& text, MorletSettings& settings) {
  const std::vector<std::string> parts = split(text, ',');
  double lo = 0, hi = 0, count = 0;
  const bool log = parts.size() == 4 && parts[3] == "log";
  if ((parts.size() != 3 && !log) || !numberOf(parts[0], lo) || !numberOf(parts[1], hi) || !numberOf(parts[2], count) ||
      lo <= 0 || hi < lo || count < 1 || count > 1000 || count != std::floor(count)) {
    throw UsageError(option + " needs LO,HI,COUNT in Hz with 0 < LO <= HI and 1 to 1000 points, ending in ,log for "
                              "logarithmic spacing (as 4,80,39), got '" + text + "'");
  }
  settings.lowHz = lo;
  settings.highHz = hi;
  settings.frequencyCount = static_cast<std::int64_t>(count);
  settings.spacing = log ? FrequencySpacing::Logarithmic : FrequencySpacing::Linear;
}

void cyclesOf(const std::string& option, const std::string& text, MorletSettings& settings) {
  const bool perFrequency = text.starts_with("f/");
  double n = 0;
  if (!numberOf(perFrequency ? text.substr(2) : text, n) || n <= 0) {
    throw UsageError(option + " needs a number of cycles N or f/N (f/N cycles at f Hz), got '" + text + "'");
  }
  settings.cyclesRule = perFrequency ? CyclesRule::ProportionalToFrequency : CyclesRule::Fixed;
  settings.cycles = perFrequency ? 1.0 / n : n;
}

RejectionLimits rejectionOf(const std::string& option, const std::string& text) {
  RejectionLimits limits;
  for (const std::string& part : split(text, ',')) {
    const std::size_t eq = part.find('=');
    double v = 0;
    if (eq == std::string::npos || !numberOf(part.substr(eq + 1), v) || v <= 0) {
      throw UsageError(option + " needs TYPE=LIMIT pairs joined by ',' (TYPE mag in T, grad in T/m, eeg or eog in V; "
                                "as grad=4e-10,eeg=1e-4), got '" + text + "'");
    }
    switch (oneOf(option + " type", part.substr(0, eq), {"mag", "grad", "eeg", "eog"})) {
      case 0: limits.megMag = v; break;
      case 1: limits.megGrad = v; break;
      case 2: limits.eeg = v; break;
      default: limits.eog = v; break;
    }
  }
  return limits;
}

MegChoice megChoiceOf(const std::string& option, const std::string& text) {
  return oneOf(option, text, {"mag", "grad"}) == 0 ? MegChoice::Mag : MegChoice::Grad;
}

}  // namespace spctmview
