// Writes EDF/BDF files for the reader tests: EDF+ and BDF+ (with annotations) through
// EDFlib's writer, plain EDF and BDF byte by byte (EDFlib writes only the "+" kinds), from
// digital sample values, so the physical values a reader must give are known exactly.
#pragma once

#include <string>
#include <vector>

struct EdfTestSignal {
  std::string label;
  std::string transducer;
  std::string dimension;  // "uV", "mV", ...
  double physMin = -32768.0, physMax = 32767.0;
  int digMin = -32768, digMax = 32767;
  int samplesPerRecord = 0;  // per second: every record lasts one second
  std::vector<int> digital;  // records * samplesPerRecord values
};

struct EdfTestAnnotation {
  double onsetSeconds = 0.0;
  std::string text;
};

struct EdfTestFile {
  bool bdf = false;
  bool plus = true;  // EDF+/BDF+ through EDFlib; false: plain EDF/BDF, no annotations
  int records = 0;
  std::vector<EdfTestSignal> signals;
  std::vector<EdfTestAnnotation> annotations;
};

// Throws std::runtime_error when EDFlib refuses a value.
void writeEdfTestFile(const std::string& path, const EdfTestFile& file);

// The physical value of a digital one, as the format defines it.
double edfPhysical(const EdfTestSignal& signal, int digital);

// Byte offset of the first data record (256 bytes per signal plus the fixed 256); the
// plain files have exactly `signals.size()` signals, the "+" ones one more.
long edfHeaderBytes(const EdfTestFile& file);
