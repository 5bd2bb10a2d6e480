// The values of the dataset options of spctm-view: a window in ms, the frequency grid,
// the cycles rule, the peak-to-peak limits and the MEG type. DatasetSource parses the
// command line with them; each mistake is a UsageError naming the option and its form.
#pragma once

#include <string>

#include "host/compute/MorletSettings.h"
#include "host/io/Epoching.h"
#include "host/io/RecordingDataset.h"

namespace spctmview {

// "BEGIN,END" in ms, BEGIN below END: "0,800", "-500,0".
void msWindowOf(const std::string& option, const std::string& text, double& beginMs, double& endMs);
// "LO,HI,COUNT" or "LO,HI,COUNT,log" in Hz: the frequency points of the settings.
void frequenciesOf(const std::string& option, const std::string& text, MorletSettings& settings);
// "N" cycles at every frequency, or "f/N": f / N cycles at f Hz.
void cyclesOf(const std::string& option, const std::string& text, MorletSettings& settings);
// "TYPE=LIMIT,…" with TYPE mag (T), grad (T/m), eeg or eog (V): "grad=4e-10,eeg=1e-4".
RejectionLimits rejectionOf(const std::string& option, const std::string& text);
MegChoice megChoiceOf(const std::string& option, const std::string& text);

}  // namespace spctmview
