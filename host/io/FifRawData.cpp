#include "host/io/FifRawData.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstdio>
#include <cstring>
#include <thread>

#include "host/io/FifFormat.h"

namespace {

// One stretch of the recording: a data buffer's samples, or a skip (no tag) of zeros.
struct Piece {
  const FifTag* buffer = nullptr;
  std::int64_t first = 0;  // first sample of the stretch in the recording
  std::int64_t count = 0;  // whole samples (those present when the file ends inside it)
};

// Bytes per stored value of a buffer's sample type; 0 for a type that is refused.
std::uint32_t bytesPerValue(const FifBytes& bytes, const FifTag& t) {
  switch (t.type) {
    case fif::type::Short:
    case fif::type::DauPack16: return 2;
    case fif::type::Int:
    case fif::type::Float: return 4;
    case fif::type::Double:
    case fif::type::ComplexFloat: return 8;
    case fif::type::ComplexDouble: return 16;
    case fif::type::DauPack13:
    case fif::type::DauPack14:
    case fif::type::OldPack:
      bytes.fail(t.pos, "a data buffer in the vendor's packed format " + std::to_string(t.type) +
                            ", which has no public description and is not read");
    default: bytes.fail(t.pos, "a data buffer of type " + std::to_string(t.type) + ", which is not a sample type");
  }
}

template <typename T>
T loadBigEndian(const std::uint8_t* p) {
  if constexpr (sizeof(T) == 2) {
    std::uint16_t v;
    std::memcpy(&v, p, 2);
    return std::bit_cast<T>(__builtin_bswap16(v));
  } else if constexpr (sizeof(T) == 4) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return std::bit_cast<T>(__builtin_bswap32(v));
  } else {
    std::uint64_t v;
    std::memcpy(&v, p, 8);
    return std::bit_cast<T>(__builtin_bswap64(v));
  }
}

// Sample-major values (all channels of sample 0, then of sample 1 ...) into the
// channel-major rows `rows[c] + i`, scaled. `Step` is the bytes from one value to the next
// (twice the value's size for complex values, whose real part comes first). Blocks of 16
// samples keep the source in the first-level cache while each row gets a whole cache line.
template <typename T, std::size_t Step>
void convert(const std::uint8_t* src, std::int64_t samples, std::size_t nchan, const double* scales, float* const* rows) {
  constexpr std::int64_t kBlock = 16;
  const std::size_t frame = nchan * Step;
  for (std::int64_t i0 = 0; i0 < samples; i0 += kBlock, src += kBlock * frame) {
    const std::int64_t n = std::min(kBlock, samples - i0);
    for (std::size_t c = 0; c < nchan; ++c) {
      float* row = rows[c] + i0;
      const double scale = scales[c];
      const std::uint8_t* p = src + c * Step;
      for (std::int64_t i = 0; i < n; ++i, p += frame) row[i] = static_cast<float>(static_cast<double>(loadBigEndian<T>(p)) * scale);
    }
  }
}

void convertPiece(const FifBytes& bytes, const Piece& piece, std::size_t nchan, const double* scales, float* samples,
                  std::int64_t total, std::vector<float*>& rows) {
  for (std::size_t c = 0; c < nchan; ++c) rows[c] = samples + static_cast<std::int64_t>(c) * total + piece.first;
  const std::uint8_t* src = bytes.at(piece.buffer->dataPos());
  switch (piece.buffer->type) {
    case fif::type::Short:
    case fif::type::DauPack16: convert<std::int16_t, 2>(src, piece.count, nchan, scales, rows.data()); break;
    case fif::type::Int: convert<std::int32_t, 4>(src, piece.count, nchan, scales, rows.data()); break;
    case fif::type::Float: convert<float, 4>(src, piece.count, nchan, scales, rows.data()); break;
    case fif::type::Double: convert<double, 8>(src, piece.count, nchan, scales, rows.data()); break;
    case fif::type::ComplexFloat: convert<float, 8>(src, piece.count, nchan, scales, rows.data()); break;
    case fif::type::ComplexDouble: convert<double, 16>(src, piece.count, nchan, scales, rows.data()); break;
  }
}

// Zeroed room for `count` samples. The kernel maps the fresh pages on all cores at once
// first (a hint; where it is not understood the pages are mapped as they are first
// written), so that the zeros cost little more than one pass over the memory.
void allocateSamples(std::vector<float>& samples, std::size_t count, unsigned threads) {
  samples.clear();
  samples.reserve(count);
  const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  const auto begin = reinterpret_cast<std::uintptr_t>(samples.data()) & ~(page - 1);
  const std::uintptr_t end = reinterpret_cast<std::uintptr_t>(samples.data() + count);
  const std::uintptr_t part = ((end - begin) / threads + page - 1) & ~(page - 1);
  {
    std::vector<std::jthread> pool;
    for (std::uintptr_t from = begin; from < end; from += part) {
      const std::uintptr_t length = std::min(part, end - from);
      pool.emplace_back([from, length] { ::madvise(reinterpret_cast<void*>(from), length, MADV_POPULATE_WRITE); });
    }
  }
  samples.resize(count);
}

const FifBlock& rawBlock(const FifBytes& bytes, const FifTagTree& tree) {
  for (std::int32_t kind : {fif::block::RawData, fif::block::ContinuousData, fif::block::ShieldedRawData})
    if (const FifBlock* b = tree.top.find(kind)) return *b;
  bytes.fail(tree.cutAt.value_or(bytes.size()), tree.cutAt ? "the file ends before its raw data"
                                                            : "no raw data block (only continuous recordings are read)");
}

std::string seconds(std::int64_t samples, double rate) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f s", static_cast<double>(samples) / rate);
  return text;
}

}  // namespace

void readFifRawData(const FifBytes& bytes, const FifTagTree& tree, const FifMeasInfo& info, Recording& out) {
  const FifBlock& raw = rawBlock(bytes, tree);
  const std::size_t nchan = info.scales.size();
  const std::uint64_t maxSamples = (4 * bytes.size() + (64ull << 20)) / (4 * nchan);

  std::vector<Piece> pieces;
  std::int64_t total = 0, lastBufferSamples = 0, pendingSkipBuffers = 0, skipped = 0, skips = 0;
  std::int64_t announcedAfterCut = 0;  // samples the buffer cut off by the end would still have held
  // A skip of `units` times `unitSamples` samples, refused before it can overflow.
  auto addSkip = [&](std::int64_t units, std::int64_t unitSamples, const FifTag& t) {
    const auto room = static_cast<std::int64_t>(maxSamples) - total;
    if (units > room / unitSamples)
      bytes.fail(t.pos, "a skip of " + std::to_string(units) + (unitSamples == 1 ? " samples" : " buffers") +
                            " would make the recording far larger than the file");
    const std::int64_t count = units * unitSamples;
    total += count;
    skipped += count;
    ++skips;
  };
  for (const FifTag& t : raw.tags) {
    if (t.kind == fif::tag::DataBuffer) {
      const std::uint64_t frame = nchan * bytesPerValue(bytes, t);
      const std::uint64_t present = std::min<std::uint64_t>(t.end(), bytes.size()) - t.dataPos();
      if (t.end() <= bytes.size() && t.size % frame != 0)
        bytes.fail(t.pos, "a data buffer of " + std::to_string(t.size) + " bytes is not a whole number of samples of " +
                              std::to_string(nchan) + " channels");
      lastBufferSamples = static_cast<std::int64_t>(t.size / frame);
      if (pendingSkipBuffers > 0) addSkip(pendingSkipBuffers, std::max<std::int64_t>(lastBufferSamples, 1), t);
      pendingSkipBuffers = 0;
      const auto count = static_cast<std::int64_t>(present / frame);
      announcedAfterCut = lastBufferSamples - count;
      pieces.push_back({&t, total, count});
      total += count;
    } else if (t.kind == fif::tag::DataSkip || t.kind == fif::tag::DataSkipSamples) {
      if (t.size != 4) bytes.fail(t.pos, "a skip tag of " + std::to_string(t.size) + " bytes (4 expected)");
      if (t.end() > bytes.size()) break;
      const std::int32_t n = bytes.i32(t.dataPos());
      if (n < 0) bytes.fail(t.pos, "a skip of " + std::to_string(n) + (t.kind == fif::tag::DataSkip ? " buffers" : " samples"));
      if (t.kind == fif::tag::DataSkipSamples) addSkip(n, 1, t);
      else if (lastBufferSamples > 0) addSkip(n, lastBufferSamples, t);
      else if ((pendingSkipBuffers += n) > static_cast<std::int64_t>(maxSamples))  // its length is the next buffer's
        addSkip(pendingSkipBuffers, 1, t);
    }
  }
  if (total == 0)
    bytes.fail(tree.cutAt.value_or(raw.pos), tree.cutAt ? "the file ends before the first whole sample" : "the raw data block holds no samples");

  out.sampleCount = total;
  const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
  allocateSamples(out.samples, nchan * static_cast<std::size_t>(total), threads);
  std::atomic<std::size_t> next{0};
  auto work = [&] {
    std::vector<float*> rows(nchan);
    for (std::size_t i; (i = next.fetch_add(1)) < pieces.size();)
      convertPiece(bytes, pieces[i], nchan, info.scales.data(), out.samples.data(), total, rows);
  };
  {
    std::vector<std::jthread> pool;
    for (unsigned k = 1; k < threads && k < pieces.size(); ++k) pool.emplace_back(work);
    work();
  }

  const double rate = info.samplingRateHz;
  if (skips > 0)
    out.warnings.push_back("The file skips " + std::to_string(skips) + (skips == 1 ? " stretch" : " stretches") + " of data, " +
                           seconds(skipped, rate) + " in all; those samples are zeros.");
  if (tree.cutAt) {
    out.truncated = true;
    out.warnings.push_back("The file ends early, at byte " + std::to_string(*tree.cutAt) + ": read " + seconds(total, rate) +
                           " of at least " + seconds(total + announcedAfterCut, rate) + ".");
  }
}
