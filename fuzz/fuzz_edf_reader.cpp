// libFuzzer target: random bytes as an EDF/BDF file. A result that breaks the
// promises of fuzz/ReaderInputs.h stops the run like a crash does, so the input is kept.
#include <cstdlib>

#include "fuzz/ReaderInputs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (!fuzzinput::edfBytes(data, size).consistent) std::abort();
  return 0;
}
