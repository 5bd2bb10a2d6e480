// libFuzzer target: random bytes as a draw-settings record. A broken promise of the loader
// (see DrawSettingsInput.h) stops the run like a crash does, so the input is kept.
#include <cstdlib>

#include "fuzz/DrawSettingsInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (!fuzzinput::loadDrawSettings(data, size).consistent) std::abort();
  return 0;
}
