// The raw data of a FIF file: the data buffers of the raw (or continuous) data block, in
// whatever sample type each buffer has (16- and 32-bit integers, floats, doubles, the
// 16-bit packing, and complex values of which the real part is kept), scaled to physical
// units, with skips filled by zeros. Called by readFif after the measurement info.
// The vendors' packed formats without a public description are refused. A file that ends
// inside the data keeps every whole sample before its end and is marked truncated.
#pragma once

#include "host/io/FifMeasInfo.h"
#include "host/io/FifTags.h"
#include "host/io/Recording.h"

// Fills out.samples and out.sampleCount (channel-major, out.channels.size() channels as
// the measurement info gives them), sets out.truncated, adds warnings for skips and for an
// early end. Throws RecordingError when there is no raw data block, no sample at all, a
// buffer that is not a whole number of samples, or a skip that would make the recording
// far larger than the file (at most 4 x the file's size + 64 MiB of samples).
void readFifRawData(const FifBytes& bytes, const FifTagTree& tree, const FifMeasInfo& info, Recording& out);
