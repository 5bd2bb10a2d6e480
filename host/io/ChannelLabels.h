// How the EEG file formats label their channels, turned into this system's terms: the
// physical unit text of a header ("uV", "µV", "fT/cm") as an SI unit with its factor, and a
// channel's type from the type word of its label ("EEG Fp1", "EOG left", "ECG", "Status").
// Used by the EDF/BDF and BrainVision readers; names are compared case-insensitively.
#pragma once

#include <string>
#include <string_view>

#include "host/io/Recording.h"
#include "host/io/TextParsing.h"

struct UnitScale {
  std::string unit;     // "V", "T", "T/m", or the text as written when not one of those
  double factor = 1.0;  // multiplies a value in the written unit into `unit`
};

// "uV", "µV" (UTF-8 or Latin-1), "mV", "V", "nV", "fT", "pT", "T", "fT/cm", "T/m", ...
UnitScale siUnitOf(std::string_view written);

struct ChannelLabel {
  ChannelType type = ChannelType::Other;
  std::string name;  // the label without an "EEG " type word; otherwise the label as written
};

// The type word decides first (EEG, EOG, MEG, ECG/EKG/EMG/..., Status/Trigger/STI). A bare
// name in tesla is a magnetometer, in T/m a gradiometer; a bare name in volts counts as EEG when it is a standard 10-05 electrode name (a reference
// suffix such as "-REF" allowed) or when `voltsMeanEeg` says so (the amplifier's files hold
// EEG unless told otherwise); anything else is Other.
ChannelLabel channelLabelOf(std::string_view label, const std::string& siUnit, bool voltsMeanEeg);

// The name as the standard montage knows it: a trailing reference suffix ("-REF", "-Ref",
// "-LE", "-AVG", "-AR") removed.
std::string electrodeNameOf(std::string_view name);
