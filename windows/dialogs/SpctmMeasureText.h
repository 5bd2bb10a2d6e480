// The texts of the spectral measurements: the names of the seven measurement modes, the
// column headers a mode puts into the text and the ones "Data Info..." appends, and the
// formats of the result lines. Used by SpctmMeasurement and the measurement dialog;
// pure functions of their arguments.
#pragma once

#include <cstdint>
#include <string>

namespace spctmtext {

constexpr int kMeasureModeCount = 7;

// The mode combo's texts, modes 0–6 ("Select MMMR" … "All Freq RMS"); null otherwise.
const wchar_t* measureModeName(int mode);
// The header a mode change puts into the text (ends with two line feeds); any mode
// outside 0–6 gives "Unknown Mode \n\n".
std::wstring measureHeader(int mode);
// The header "Data Info..." appends: the same as measureHeader for mode 0, else it with
// a line feed and a blank before it.
std::wstring measureInfoHeader(int mode);
// The column line that opens an all-sensors block (begins with a line feed).
const wchar_t* allSensorsHeader();

// A time–frequency window: inclusive points and their latencies (ms) and frequencies (Hz).
struct MeasureWindow {
  std::int64_t timeBegin = 0, timeEnd = 0, freqBegin = 0, freqEnd = 0;
  double timeBeginMs = 0.0, timeEndMs = 0.0, freqBeginHz = 0.0, freqEndHz = 0.0;
};

// Minimum, mean, maximum and root-mean-square.
struct MMMR {
  double minimum = 0.0, mean = 0.0, maximum = 0.0, rms = 0.0;
};

// "name1 name2 tb te fb fe ms ms Hz Hz min mean max rms \n", numbers with six decimals.
std::wstring mmmrLine(const std::wstring& name1, const std::wstring& name2, const MeasureWindow& w, const MMMR& v);
// "name1 name2 tb te fb fe " then " value" per value, then a line feed.
std::wstring windowValuesLine(const std::wstring& name1, const std::wstring& name2, const MeasureWindow& w,
                              const double* values, std::int64_t count);
// "name1 name2 points " then " value" per value, then a line feed.
std::wstring countValuesLine(const std::wstring& name1, const std::wstring& name2, std::int64_t points,
                             const double* values, std::int64_t count);
// "name1 name2 no spectral data \n".
std::wstring missingChannelLine(const std::wstring& name1, const std::wstring& name2);
// Closes an all-sensors block in which no channel had spectral data.
const wchar_t* noSpectralDataLine();

}  // namespace spctmtext
