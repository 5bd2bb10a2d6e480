// The small dataset the measurement tests (dialog and measure command) check their texts
// and numbers against: values simple enough to work out by hand.
#pragma once

#include <memory>

#include "host/data/CArrayMEDataSetqv.h"

namespace megdata {

// Session "S", trial "T"; channels A and B with class-0 values t + 10·f + 100·c at time
// point t, frequency point f of channel c, and C without class-0 spectra; 21 time points
// from -100 ms in steps of 10 ms, 6 frequency points from 8 Hz in steps of 2 Hz. The
// class-0 selection is time points 2 … 4, frequency points 1 … 2.
std::unique_ptr<CArrayMEDataSetqv> measureDataset();

}  // namespace megdata
