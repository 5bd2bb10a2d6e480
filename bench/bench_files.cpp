// Writing the viewer's pictures: PNG encoding and the atomic write (temporary file, sync,
// rename) of its largest everyday picture, the MEG flags view of the demo's Results power
// at 1600 × 1000. Goals: encoding < 10 ms, the file within 1.5 × what libpng's simplified
// writer makes of the same picture (size_ratio; libpng_KB with its default settings).
#include "app/RenderCommand.h"
#include "host/io/DemoDataset.h"
#include "platform/gdi/PngExport.h"

#include <benchmark/benchmark.h>
#include <png.h>

#include <cstring>
#include <filesystem>
#include <sstream>
#include <vector>

namespace {

std::string scratchPath(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }

// The picture `spctm-view render` writes, read back into a surface.
const PixelSurface& flagsView() {
  static const PixelSurface surface = [] {
    const std::string path = scratchPath("spctm-bench-flags.png");
    const auto ds = buildDemoDataset();
    std::ostringstream out, err;
    spctmview::runRender(spctmview::parseRenderOptions({"--view", "flags", "--class", "rst", "--kind", "power",
                                                        "--range", "-3,3", "--size", "1600x1000", "--out", path}),
                         *ds, out, err);
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    png_image_begin_read_from_file(&image, path.c_str());
    image.format = PNG_FORMAT_BGRA;
    PixelSurface s(static_cast<int>(image.width), static_cast<int>(image.height));
    png_image_finish_read(&image, nullptr, s.row(0), static_cast<png_int_32>(s.stride() * 4), nullptr);
    std::filesystem::remove(path);
    return s;
  }();
  return surface;
}

// The size of the PNG libpng's simplified writer makes of `surface`'s colours (no alpha)
// with its default settings.
std::size_t libpngSize(const PixelSurface& surface) {
  const auto width = static_cast<std::size_t>(surface.width()), height = static_cast<std::size_t>(surface.height());
  std::vector<png_byte> packed(width * height * 3);
  for (std::size_t y = 0; y < height; ++y) {
    const std::uint32_t* pixel = surface.row(static_cast<int>(y));
    for (std::size_t x = 0; x < width; ++x) std::memcpy(&packed[(y * width + x) * 3], &pixel[x], 3);  // blue, green, red
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_BGR;
  png_alloc_size_t size = 0;
  png_image_write_get_memory_size(image, size, 0, packed.data(), 0, nullptr);
  return size;
}

void BM_EncodePngFlagsView(benchmark::State& state) {
  const PixelSurface& surface = flagsView();
  std::size_t bytes = 0;
  for (auto _ : state) bytes = encodePng(surface, surface.bounds()).size();
  const std::size_t reference = libpngSize(surface);
  state.counters["file_KB"] = static_cast<double>(bytes) / 1000.0;
  state.counters["libpng_KB"] = static_cast<double>(reference) / 1000.0;
  state.counters["size_ratio"] = static_cast<double>(bytes) / static_cast<double>(reference);
}
BENCHMARK(BM_EncodePngFlagsView)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WritePngFlagsView(benchmark::State& state) {
  const PixelSurface& surface = flagsView();
  const std::string path = scratchPath("spctm-bench-write.png");
  for (auto _ : state) writePng(surface, path);
  std::filesystem::remove(path);
}
BENCHMARK(BM_WritePngFlagsView)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
