#include "tests/support/MeasureDataset.h"

#include "tests/support/DatasetBuilder.h"

namespace megdata {

std::unique_ptr<CArrayMEDataSetqv> measureDataset() {
  return DatasetBuilder()
      .session(L"S").meg(L"A", 0, 0).meg(L"B", 1, 0).meg(L"C", 2, 0).noSpectrum(0)
      .trial(L"T").grid(21, 6).latencies(-100, 10).frequencies(8, 2)
      .spectra(0, [](std::int64_t c, std::int64_t t, std::int64_t f, int) { return double(t + 10 * f + 100 * c); })
      .selection(0, 2, 4, 1, 2)
      .build();
}

}  // namespace megdata
