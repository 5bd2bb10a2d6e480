// Cutting a continuous recording into epochs around its events: the events chosen by
// trigger code or annotation text, each epoch spanning the Control and Active windows plus
// a margin on both sides for the transform's edges, epochs leaving the recording skipped
// and epochs whose peak-to-peak amplitude exceeds a per-type limit on a good channel
// rejected. RecordingDataset calls it and turns the kept epochs into trials; every count
// and reason is kept for the user.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/data/EpochTiming.h"
#include "host/io/Recording.h"

// Which events open an epoch: those of a trigger code (whatever their text, as a marker
// "S  1" of code 1), or (when `text` is not empty) an annotation or marker whose text
// equals `text`, ignoring case and surrounding blanks.
struct EventChoice {
  std::int64_t code = 1;
  std::string text;
};

// "5" chooses code 5; anything that is not a whole number chooses by text.
EventChoice parseEventChoice(const std::string& text);
std::string describeEventChoice(const EventChoice& choice);  // "code 5", "\"Stimulus/S  1\""
bool eventMatches(const RecordingEvent& event, const EventChoice& choice);

// Both windows in ms from the event, [begin, end).
struct EpochWindowsMs {
  double activeBeginMs = 0.0, activeEndMs = 800.0;
  double controlBeginMs = -500.0, controlEndMs = 0.0;
};

// Peak-to-peak limits in the channel type's physical unit (T, T/m, V); unset: no limit.
struct RejectionLimits {
  std::optional<double> megMag, megGrad, eeg, eog;
  const std::optional<double>& limitFor(ChannelType type) const;
};

struct EpochingOptions {
  EventChoice event;
  EpochWindowsMs windows;
  RejectionLimits reject;
  std::int64_t marginSamples = 0;  // kept on both sides of the windows for the transform
  // The margin before the windows grows until the event's sample in the epoch is a
  // multiple of this (the transform's time step), so that latency 0 is a time point.
  std::int64_t alignStimulusTo = 1;
};

struct Epochs {
  // Timing of every epoch: stimulus, Active and Control in samples from the epoch's start.
  megdata::EpochTiming timing;
  std::int64_t samplesPerEpoch = 0;
  std::vector<std::int64_t> firstSamples;  // recording sample of each kept epoch's start
  std::int64_t matched = 0;                // events of the chosen kind
  std::int64_t outside = 0;                // of those, skipped: epoch leaves the recording
  std::int64_t rejected = 0;               // of those, over a peak-to-peak limit
  // One sentence per rejected epoch ("event 3 at 12.400 s: MEG 0113 (MEG grad) 5.1e-10
  // peak to peak, over 4e-10") and the summary lines for the user.
  std::vector<std::string> rejections;
  std::vector<std::string> messages;
};

// Throws std::invalid_argument for windows that are empty, reversed or do not fit the
// sampling rate, and when no epoch is left (the message says how many events matched and
// why each group was dropped, listing the event kinds the recording has).
Epochs cutEpochs(const Recording& recording, const EpochingOptions& options);

// The recording's events grouped by code and text with their counts, in order of first
// appearance: "code 1: 40", "code 2 \"S  2\": 12", "\"Comment/pause\": 1".
std::vector<std::string> eventSummary(const Recording& recording);
