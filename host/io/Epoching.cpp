#include "host/io/Epoching.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace {

std::string trimmedLower(const std::string& s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = s.find_last_not_of(" \t");
  std::string out = s.substr(first, last - first + 1);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

std::int64_t msToSamples(double ms, double rateHz) { return std::llround(ms * rateHz / 1000.0); }

std::string number(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.3g", v);
  return buf;
}

std::string milliseconds(std::int64_t samples, double rateHz) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6g", static_cast<double>(samples) * 1000.0 / rateHz);
  return buf;
}

std::string seconds(std::int64_t sample, double rateHz) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.3f s", static_cast<double>(sample) / rateHz);
  return buf;
}

void checkWindow(const char* name, double beginMs, double endMs, double rateHz) {
  if (!std::isfinite(beginMs) || !std::isfinite(endMs) || msToSamples(endMs, rateHz) <= msToSamples(beginMs, rateHz)) {
    throw std::invalid_argument(std::string("the ") + name + " window " + number(beginMs) + " to " + number(endMs) +
                                " ms holds no sample at " + number(rateHz) + " Hz");
  }
}

// The first good channel of a limited type whose peak-to-peak over [begin, end) exceeds
// its limit, as a sentence; empty when the epoch passes.
std::string overLimit(const Recording& rec, const RejectionLimits& limits, std::int64_t begin, std::int64_t end) {
  for (std::size_t c = 0; c < rec.channels.size(); ++c) {
    const RecordingChannel& ch = rec.channels[c];
    const std::optional<double>& limit = limits.limitFor(ch.type);
    if (!limit || ch.bad) continue;
    const auto wave = rec.channel(c).subspan(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin));
    const auto [lo, hi] = std::minmax_element(wave.begin(), wave.end());
    const double range = static_cast<double>(*hi) - static_cast<double>(*lo);
    if (range > *limit) {
      return ch.name + " (" + channelTypeName(ch.type) + ") " + number(range) + " " + ch.unit + " peak to peak, over " +
             number(*limit);
    }
  }
  return {};
}

std::string joined(const std::vector<std::string>& items) {
  std::string out;
  for (const std::string& s : items) out += (out.empty() ? "" : ", ") + s;
  return out;
}

}  // namespace

EventChoice parseEventChoice(const std::string& text) {
  EventChoice choice;
  std::int64_t code = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, code);
  if (ec == std::errc() && ptr == end && !text.empty()) {
    choice.code = code;
  } else {
    choice.text = text;
  }
  return choice;
}

std::string describeEventChoice(const EventChoice& choice) {
  return choice.text.empty() ? "code " + std::to_string(choice.code) : "\"" + choice.text + "\"";
}

bool eventMatches(const RecordingEvent& event, const EventChoice& choice) {
  if (choice.text.empty()) return event.code == choice.code;
  return trimmedLower(event.text) == trimmedLower(choice.text);
}

const std::optional<double>& RejectionLimits::limitFor(ChannelType type) const {
  static const std::optional<double> none;
  switch (type) {
    case ChannelType::MegMag: return megMag;
    case ChannelType::MegGrad: return megGrad;
    case ChannelType::Eeg: return eeg;
    case ChannelType::Eog: return eog;
    case ChannelType::Stim:
    case ChannelType::Other: break;
  }
  return none;
}

std::vector<std::string> eventSummary(const Recording& recording) {
  std::vector<std::pair<std::string, std::int64_t>> kinds;
  for (const RecordingEvent& e : recording.events) {
    const std::string text = e.text.empty() ? "" : "\"" + e.text + "\"";
    const std::string kind = e.code != 0 ? "code " + std::to_string(e.code) + (text.empty() ? "" : " " + text) : text;
    auto it = std::find_if(kinds.begin(), kinds.end(), [&](const auto& k) { return k.first == kind; });
    if (it == kinds.end()) {
      kinds.emplace_back(kind, 1);
    } else {
      ++it->second;
    }
  }
  std::vector<std::string> lines;
  for (const auto& [kind, count] : kinds) lines.push_back(kind + ": " + std::to_string(count));
  return lines;
}

Epochs cutEpochs(const Recording& recording, const EpochingOptions& options) {
  const double rate = recording.samplingRateHz;
  if (!(rate > 0.0)) throw std::invalid_argument("the recording's sampling rate is not known");
  const EpochWindowsMs& w = options.windows;
  checkWindow("Active", w.activeBeginMs, w.activeEndMs, rate);
  checkWindow("Control", w.controlBeginMs, w.controlEndMs, rate);
  if (options.marginSamples < 0 || options.alignStimulusTo < 1) {
    throw std::invalid_argument("the epoch margin cannot be negative nor the alignment below 1");
  }

  // Sample offsets from the event: the windows, and the epoch around both with margins.
  const std::int64_t activeBegin = msToSamples(w.activeBeginMs, rate), activeEnd = msToSamples(w.activeEndMs, rate);
  const std::int64_t controlBegin = msToSamples(w.controlBeginMs, rate), controlEnd = msToSamples(w.controlEndMs, rate);
  const std::int64_t spanBegin = std::min(activeBegin, controlBegin), spanEnd = std::max(activeEnd, controlEnd);
  const std::int64_t align = options.alignStimulusTo;
  const std::int64_t need = options.marginSamples - spanBegin;   // the event's sample in the epoch, at least
  const std::int64_t lead = (need / align + (need % align > 0 ? 1 : 0)) * align;  // rounded up to a multiple
  const std::int64_t start = -lead, stop = spanEnd + options.marginSamples;

  Epochs epochs;
  epochs.samplesPerEpoch = stop - start;
  epochs.timing = {rate, -start, {activeBegin - start, activeEnd - start}, {controlBegin - start, controlEnd - start}};
  for (std::size_t i = 0; i < recording.events.size(); ++i) {
    const RecordingEvent& event = recording.events[i];
    if (!eventMatches(event, options.event)) continue;
    ++epochs.matched;
    if (event.sample + start < 0 || event.sample + stop > recording.sampleCount) {
      ++epochs.outside;
      continue;
    }
    const std::string over = overLimit(recording, options.reject, event.sample + spanBegin, event.sample + spanEnd);
    if (!over.empty()) {
      ++epochs.rejected;
      epochs.rejections.push_back("event " + std::to_string(epochs.matched) + " at " + seconds(event.sample, rate) +
                                  ": " + over);
      continue;
    }
    epochs.firstSamples.push_back(event.sample + start);
  }

  const std::string kind = describeEventChoice(options.event);
  const auto kept = static_cast<std::int64_t>(epochs.firstSamples.size());
  const std::string span = milliseconds(start, rate) + " to " + milliseconds(stop, rate) + " ms";
  epochs.messages.push_back(std::to_string(kept) + " epochs of " + std::to_string(epochs.matched) + " events of " +
                            kind + " (" + span + " around each, the transform's margin included)");
  if (epochs.outside > 0) {
    epochs.messages.push_back(std::to_string(epochs.outside) + " skipped: their epoch leaves the recording");
  }
  if (epochs.rejected > 0) {
    epochs.messages.push_back(std::to_string(epochs.rejected) + " rejected by peak-to-peak amplitude");
  }
  if (kept == 0) {
    const std::vector<std::string> kinds = eventSummary(recording);
    throw std::invalid_argument("no epoch to compute: " + joined(epochs.messages) + "; the recording's events are " +
                                (kinds.empty() ? std::string("none") : joined(kinds)));
  }
  return epochs;
}
