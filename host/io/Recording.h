// A continuous recording as the file readers deliver it (FIF, EDF/BDF, BrainVision): the
// channels with their types, units and positions, every sample in physical units, and the
// events. The epoching turns it into the host's dataset; `spctm-view info` prints it.
// Readers fill it whole, or throw RecordingError; a truncated file gives what could be read,
// with `truncated` set and a warning that says how much.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/data/SensorGeometry.h"

enum class ChannelType {
  MegMag,   // magnetometer, tesla
  MegGrad,  // planar gradiometer, tesla per metre
  Eeg,      // volt
  Eog,      // volt
  Stim,     // trigger values as numbers
  Other,    // anything else (ECG, EMG, misc), kept for `info`, never shown
};

// "MEG mag", "MEG grad", "EEG", "EOG", "stimulus", "other".
const char* channelTypeName(ChannelType type);

struct RecordingChannel {
  std::string name;
  ChannelType type = ChannelType::Other;
  std::string unit;  // physical unit of the samples: "T", "T/m", "V", "" for numbers
  // Position and orientation in the head frame of SensorGeometry.h (metres, unit normal),
  // when the file has them (FIF coils and electrodes after the device-to-head transform).
  bool hasPosition = false;
  Point3 position;
  Point3 orientation;
  bool bad = false;  // marked bad by the file
};

struct RecordingEvent {
  std::int64_t sample = 0;  // index into the recording's samples (0 = first stored sample)
  std::int64_t code = 0;    // trigger value; 0 when the event only has a text
  std::string text;         // annotation or marker description; empty for triggers
};

struct Recording {
  std::string path;    // the file it was read from
  std::string format;  // "FIF", "EDF", "EDF+", "BDF", "BDF+", "BrainVision"
  double samplingRateHz = 0.0;
  std::int64_t sampleCount = 0;  // per channel
  std::vector<RecordingChannel> channels;
  // Channel-major: channel c's samples are [c * sampleCount, (c + 1) * sampleCount),
  // in the channel's physical unit (calibration and range applied).
  std::vector<float> samples;
  std::vector<RecordingEvent> events;  // in sample order
  bool truncated = false;
  std::vector<std::string> warnings;  // for the user, one sentence each

  std::span<const float> channel(std::size_t c) const {
    return {samples.data() + c * static_cast<std::size_t>(sampleCount), static_cast<std::size_t>(sampleCount)};
  }
  double durationSeconds() const { return samplingRateHz > 0 ? static_cast<double>(sampleCount) / samplingRateHz : 0.0; }
};

// A file a reader cannot use: what() reads "PATH: WHERE: WHY", WHERE being "byte N" or
// "line N" (or empty when the whole file is meant, then "PATH: WHY").
class RecordingError : public std::runtime_error {
 public:
  RecordingError(const std::string& path, const std::string& where, const std::string& why);
};
