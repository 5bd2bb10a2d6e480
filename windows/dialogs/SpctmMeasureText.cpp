#include "windows/dialogs/SpctmMeasureText.h"

#include "platform/gdi/CString.h"

namespace spctmtext {

namespace {

// What each per-frequency mode reports, modes 1–3 and again 4–6.
const wchar_t* perFrequencyName(int mode) {
  static const wchar_t* const kNames[] = {L"Peak_For_Each_Freq", L"Mean_For_Each_Freq", L"RMS_For_Each_Freq"};
  return kNames[(mode - 1) % 3];
}

void appendValues(std::wstring& line, const double* values, std::int64_t count) {
  for (std::int64_t i = 0; i < count; ++i) line += formatText(L" %f", values[i]);
  line += L'\n';
}

}  // namespace

const wchar_t* measureModeName(int mode) {
  static const wchar_t* const kNames[kMeasureModeCount] = {
      L"Select MMMR",   L"Select Freq Amax", L"Select Freq Amean", L"Select Freq RMS",
      L"All Freq Amax", L"All Freq Amean",   L"All Freq RMS"};
  return mode >= 0 && mode < kMeasureModeCount ? kNames[mode] : nullptr;
}

std::wstring measureHeader(int mode) {
  if (mode == 0) {
    return L"Dataset_Name Trial_Number      TimeB   TimeE   FreqB   FreqE  TimeB(ms) TimeE(ms) FreqB(Hz), "
           L"FreqE(Hz)  Minimum   Mean  Maximum   RMS  \n\n";
  }
  if (mode >= 1 && mode <= 3) {
    return std::wstring(L"Dataset_Name Trial_Number      TimeB   TimeE   FreqB   FreqE   ") + perFrequencyName(mode) +
           L"  \n\n";
  }
  if (mode >= 4 && mode <= 6) {
    return std::wstring(L"Dataset_Name Trial_Number      All_points   ") + perFrequencyName(mode) + L"  \n\n";
  }
  return L"Unknown Mode \n\n";
}

std::wstring measureInfoHeader(int mode) { return mode == 0 ? measureHeader(0) : L"\n " + measureHeader(mode); }

const wchar_t* allSensorsHeader() {
  return L"\nnTrialName ChnlName TimeB TimeE FreqB  FreqE  TimeB(ms) TimeE(ms) FreqB(Hz), FreqE(Hz)  Minimum   Mean  "
         L"Maximum   RMS\n";
}

std::wstring mmmrLine(const std::wstring& name1, const std::wstring& name2, const MeasureWindow& w, const MMMR& v) {
  return formatText(L"%s %s %I64d %I64d %I64d %I64d %f %f %f %f %f %f %f %f \n", name1.c_str(), name2.c_str(),
                    w.timeBegin, w.timeEnd, w.freqBegin, w.freqEnd, w.timeBeginMs, w.timeEndMs, w.freqBeginHz,
                    w.freqEndHz, v.minimum, v.mean, v.maximum, v.rms);
}

std::wstring windowValuesLine(const std::wstring& name1, const std::wstring& name2, const MeasureWindow& w,
                              const double* values, std::int64_t count) {
  std::wstring line = formatText(L"%s %s %I64d %I64d %I64d %I64d ", name1.c_str(), name2.c_str(), w.timeBegin,
                                 w.timeEnd, w.freqBegin, w.freqEnd);
  appendValues(line, values, count);
  return line;
}

std::wstring countValuesLine(const std::wstring& name1, const std::wstring& name2, std::int64_t points,
                             const double* values, std::int64_t count) {
  std::wstring line = formatText(L"%s %s %I64d ", name1.c_str(), name2.c_str(), points);
  appendValues(line, values, count);
  return line;
}

std::wstring missingChannelLine(const std::wstring& name1, const std::wstring& name2) {
  return formatText(L"%s %s no spectral data \n", name1.c_str(), name2.c_str());
}

const wchar_t* noSpectralDataLine() { return L"No spectral data \n"; }

}  // namespace spctmtext
