#include "tests/support/EdfTestWriter.h"

#include <edflib.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace {

void check(int result, const char* what) {
  if (result < 0) throw std::runtime_error(std::string("EDFlib refused ") + what);
}

void writePlus(const std::string& path, const EdfTestFile& f) {
  const int n = static_cast<int>(f.signals.size());
  const int h = edfopen_file_writeonly(path.c_str(), f.bdf ? EDFLIB_FILETYPE_BDFPLUS : EDFLIB_FILETYPE_EDFPLUS, n);
  check(h, "the file");
  for (int s = 0; s < n; ++s) {
    const EdfTestSignal& sig = f.signals[static_cast<std::size_t>(s)];
    check(edf_set_samplefrequency(h, s, sig.samplesPerRecord), "the rate");
    check(edf_set_physical_maximum(h, s, sig.physMax), "physMax");
    check(edf_set_physical_minimum(h, s, sig.physMin), "physMin");
    check(edf_set_digital_maximum(h, s, sig.digMax), "digMax");
    check(edf_set_digital_minimum(h, s, sig.digMin), "digMin");
    check(edf_set_label(h, s, sig.label.c_str()), "the label");
    check(edf_set_transducer(h, s, sig.transducer.c_str()), "the transducer");
    check(edf_set_physical_dimension(h, s, sig.dimension.c_str()), "the dimension");
  }
  for (int r = 0; r < f.records; ++r)
    for (const EdfTestSignal& sig : f.signals) {
      std::vector<int> block(sig.digital.begin() + r * sig.samplesPerRecord,
                             sig.digital.begin() + (r + 1) * sig.samplesPerRecord);
      check(edfwrite_digital_samples(h, block.data()), "the samples");
    }
  for (const EdfTestAnnotation& a : f.annotations)
    check(edfwrite_annotation_utf8(h, static_cast<long long>(a.onsetSeconds * 10000.0 + 0.5), -1, a.text.c_str()),
          "an annotation");
  check(edfclose_file(h), "closing");
}

std::string field(const std::string& text, std::size_t width) {
  std::string out = text.substr(0, width);
  out.resize(width, ' ');
  return out;
}

// The shortest text of `value` that fits the field, as precise as the field allows.
std::string number(double value, std::size_t width) {
  char text[32];
  for (int digits = static_cast<int>(width); digits > 0; --digits) {
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    if (std::strlen(text) <= width) break;
  }
  return field(text, width);
}

void writePlain(const std::string& path, const EdfTestFile& f) {
  const std::size_t n = f.signals.size();
  std::string h = f.bdf ? std::string("\xFF") + "BIOSEMI" : field("0", 8);
  h += field("X X X X", 80) + field("Startdate 01-JAN-2020 X X X", 80) + "01.01.20" + "00.00.00";
  h += number(static_cast<double>(256 * (n + 1)), 8) + field(f.bdf ? "24BIT" : "", 44);
  h += number(f.records, 8) + number(1, 8) + number(static_cast<double>(n), 4);
  for (const auto& s : f.signals) h += field(s.label, 16);
  for (const auto& s : f.signals) h += field(s.transducer, 80);
  for (const auto& s : f.signals) h += field(s.dimension, 8);
  for (const auto& s : f.signals) h += number(s.physMin, 8);
  for (const auto& s : f.signals) h += number(s.physMax, 8);
  for (const auto& s : f.signals) h += number(s.digMin, 8);
  for (const auto& s : f.signals) h += number(s.digMax, 8);
  for (std::size_t i = 0; i < n; ++i) h += field("", 80);
  for (const auto& s : f.signals) h += number(s.samplesPerRecord, 8);
  for (std::size_t i = 0; i < n; ++i) h += field("", 32);
  const int bytes = f.bdf ? 3 : 2;
  for (int r = 0; r < f.records; ++r)
    for (const auto& s : f.signals)
      for (int i = 0; i < s.samplesPerRecord; ++i) {
        const int v = s.digital[static_cast<std::size_t>(r * s.samplesPerRecord + i)];
        for (int b = 0; b < bytes; ++b) h += static_cast<char>((v >> (8 * b)) & 0xFF);
      }
  std::ofstream(path, std::ios::binary) << h;
}

}  // namespace

void writeEdfTestFile(const std::string& path, const EdfTestFile& file) {
  if (file.plus) writePlus(path, file);
  else writePlain(path, file);
}

double edfPhysical(const EdfTestSignal& s, int digital) {
  const double bitValue = (s.physMax - s.physMin) / (s.digMax - s.digMin);
  const double offset = s.physMax / bitValue - s.digMax;
  return bitValue * (offset + digital);
}

long edfHeaderBytes(const EdfTestFile& file) {
  return 256 * (static_cast<long>(file.signals.size()) + (file.plus ? 2 : 1));
}
