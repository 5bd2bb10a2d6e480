// libFuzzer target: random bytes as a FIF file. The reader must give a recording whose
// samples fill every channel and whose events lie inside them, or a RecordingError; any
// other exception, a crash or a broken promise stops the run and keeps the input.
#include <cstdlib>

#include "host/io/FifReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  try {
    const Recording r = readFifBytes({data, size}, "fuzz.fif");
    if (r.sampleCount <= 0 || r.samples.size() != r.channels.size() * static_cast<std::size_t>(r.sampleCount)) std::abort();
    for (const RecordingEvent& e : r.events)
      if (e.sample < 0 || e.sample >= r.sampleCount) std::abort();
  } catch (const RecordingError&) {
  }
  return 0;
}
