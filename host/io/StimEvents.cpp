#include "host/io/StimEvents.h"

#include <algorithm>
#include <cmath>

namespace {

bool isSummingChannel(const std::string& name) { return name == "STI 014" || name == "STI014" || name == "STI101"; }

void risingEdges(std::span<const float> values, std::vector<RecordingEvent>& events) {
  std::int64_t previous = 0;
  for (std::size_t s = 0; s < values.size(); ++s) {
    const std::int64_t value = std::fabs(values[s]) < 1e18f ? std::llround(values[s]) : 0;  // NaN fails too
    if (value > previous && value != 0) events.push_back({static_cast<std::int64_t>(s), value, {}});
    previous = value;
  }
}

}  // namespace

std::vector<RecordingEvent> eventsFromStimChannels(const Recording& recording) {
  std::vector<std::size_t> stim;
  for (std::size_t c = 0; c < recording.channels.size(); ++c)
    if (recording.channels[c].type == ChannelType::Stim) stim.push_back(c);
  const auto summing = std::find_if(stim.begin(), stim.end(), [&](std::size_t c) { return isSummingChannel(recording.channels[c].name); });
  if (summing != stim.end()) stim = {*summing};

  std::vector<RecordingEvent> events;
  for (std::size_t c : stim) risingEdges(recording.channel(c), events);
  const auto key = [](const RecordingEvent& e) { return std::pair(e.sample, e.code); };
  std::sort(events.begin(), events.end(), [&](const auto& a, const auto& b) { return key(a) < key(b); });
  events.erase(std::unique(events.begin(), events.end(), [&](const auto& a, const auto& b) { return key(a) == key(b); }), events.end());
  return events;
}
