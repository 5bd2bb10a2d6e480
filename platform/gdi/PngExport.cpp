#include "platform/gdi/PngExport.h"

#include "platform/gdi/AtomicFile.h"
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CDC.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <thread>

namespace {

// zlib level 1 over unfiltered rows: chosen by measurement on the viewer's 1600 × 1000
// flags view (bench/bench_files.cpp), where row filters cost more time than they save.
constexpr int kLevel = 1;
// Bands of fewer pixels are not worth a thread.
constexpr std::size_t kPixelsPerBand = 256 * 1024;
constexpr std::size_t kMostBands = 4;
constexpr std::size_t kBatchBytes = 64 * 1024;  // rows converted at a time

void putU32(std::vector<unsigned char>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>(v >> shift));
}

// One chunk: length, type, data, and the CRC-32 of type and data.
void putChunk(std::vector<unsigned char>& out, const char* type, const unsigned char* data, std::size_t size) {
  putU32(out, static_cast<std::uint32_t>(size));
  const std::size_t typeAt = out.size();
  out.insert(out.end(), type, type + 4);
  if (size) out.insert(out.end(), data, data + size);
  putU32(out, static_cast<std::uint32_t>(crc32(0, out.data() + typeAt, static_cast<uInt>(size + 4))));
}

// Rows [top, bottom) as raw deflate data ending on a byte boundary (the last band ends
// the stream), with the Adler-32 and length of the bytes it encodes.
struct Band {
  std::vector<unsigned char> deflated;
  uLong adler = 1;
  uLong rawSize = 0;
  bool ok = false;
};

// Each row is a filter byte (0: none) and the pixels as R, G, B.
void compressBand(const PixelSurface& surface, const CRect& area, int top, int bottom, bool last, Band& band) {
  const auto width = static_cast<std::size_t>(area.Width());
  const std::size_t rowBytes = 1 + 3 * width;
  const int batchRows = static_cast<int>(std::max<std::size_t>(1, kBatchBytes / rowBytes));
  std::vector<unsigned char> raw(rowBytes * static_cast<std::size_t>(batchRows));
  z_stream z{};
  if (deflateInit2(&z, kLevel, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) return;
  band.deflated.resize(deflateBound(&z, static_cast<uLong>(rowBytes) * static_cast<uLong>(bottom - top)) + 16);
  z.next_out = band.deflated.data();
  z.avail_out = static_cast<uInt>(band.deflated.size());
  bool ok = true;
  for (int y0 = top; ok && y0 < bottom; y0 += batchRows) {
    const int y1 = std::min(bottom, y0 + batchRows);
    unsigned char* out = raw.data();
    for (int y = y0; y < y1; ++y) {
      const std::uint32_t* in = surface.row(y) + area.left;
      *out++ = 0;
      for (std::size_t x = 0; x < width; ++x, out += 3) {
        out[0] = static_cast<unsigned char>(in[x] >> 16);
        out[1] = static_cast<unsigned char>(in[x] >> 8);
        out[2] = static_cast<unsigned char>(in[x]);
      }
    }
    const auto size = static_cast<uInt>(out - raw.data());
    band.adler = adler32(band.adler, raw.data(), size);
    band.rawSize += size;
    z.next_in = raw.data();
    z.avail_in = size;
    const bool end = y1 == bottom;
    const int result = deflate(&z, !end ? Z_NO_FLUSH : last ? Z_FINISH : Z_SYNC_FLUSH);
    ok = z.avail_in == 0 && (end && last ? result == Z_STREAM_END : result == Z_OK);
  }
  band.ok = ok;
  band.deflated.resize(z.total_out);
  deflateEnd(&z);
}

}  // namespace

std::vector<unsigned char> encodePng(const PixelSurface& surface, const CRect& part, std::string* error) {
  CRect area;
  if (!area.IntersectRect(part, surface.bounds())) {
    if (error) *error = "nothing to write (empty image)";
    return {};
  }
  const auto pixels = static_cast<std::size_t>(area.Width()) * static_cast<std::size_t>(area.Height());
  const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
  const std::size_t count = std::clamp<std::size_t>(pixels / kPixelsPerBand, 1, std::min(cores, kMostBands));
  std::vector<Band> bands(count);
  std::vector<std::thread> helpers;
  const auto rowOf = [&](std::size_t i) { return area.top + static_cast<int>(static_cast<std::size_t>(area.Height()) * i / count); };
  for (std::size_t i = 1; i < count; ++i)
    helpers.emplace_back(compressBand, std::cref(surface), std::cref(area), rowOf(i), rowOf(i + 1), i + 1 == count, std::ref(bands[i]));
  compressBand(surface, area, rowOf(0), rowOf(1), count == 1, bands[0]);
  for (std::thread& t : helpers) t.join();

  // One zlib stream: header (deflate, 32 KiB window, fastest), the bands, Adler-32.
  std::vector<unsigned char> idat = {0x78, 0x01};
  uLong adler = 1;
  for (const Band& b : bands) {
    if (!b.ok) {
      if (error) *error = "the compression failed";
      return {};
    }
    idat.insert(idat.end(), b.deflated.begin(), b.deflated.end());
    adler = adler32_combine(adler, b.adler, static_cast<z_off_t>(b.rawSize));
  }
  putU32(idat, static_cast<std::uint32_t>(adler));

  std::vector<unsigned char> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<unsigned char> header;
  putU32(header, static_cast<std::uint32_t>(area.Width()));
  putU32(header, static_cast<std::uint32_t>(area.Height()));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, adaptive filters, no interlace
  putChunk(png, "IHDR", header.data(), header.size());
  const unsigned char perceptual = 0;
  putChunk(png, "sRGB", &perceptual, 1);
  putChunk(png, "IDAT", idat.data(), idat.size());
  putChunk(png, "IEND", nullptr, 0);
  return png;
}

bool writePng(const PixelSurface& surface, const CRect& part, const std::string& path, std::string* error) {
  std::string why;
  const std::vector<unsigned char> bytes = encodePng(surface, part, &why);
  try {
    if (!bytes.empty()) {
      AtomicFile file(path);
      file.write(bytes.data(), bytes.size());
      file.commit();
      return true;
    }
  } catch (const CFileException& e) {
    why = e.m_lOsError ? std::strerror(static_cast<int>(e.m_lOsError)) : e.what();
  }
  if (error) *error = "cannot write \"" + path + "\": " + why;
  return false;
}

bool writePng(const PixelSurface& surface, const std::string& path, std::string* error) {
  return writePng(surface, surface.bounds(), path, error);
}

bool writePng(const CBitmap& bitmap, const std::string& path, std::string* error) {
  if (bitmap.surface() == nullptr) {
    if (error) *error = "cannot write \"" + path + "\": the bitmap holds no pixels";
    return false;
  }
  return writePng(*bitmap.surface(), path, error);
}

bool writePng(const CDC& dc, const std::string& path, std::string* error) {
  if (dc.surface() == nullptr) {
    if (error) *error = "cannot write \"" + path + "\": the device context has no surface";
    return false;
  }
  return writePng(*dc.surface(), dc.surfaceClip(), path, error);
}
