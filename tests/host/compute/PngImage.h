// A small RGB image for the compute tests' pictures (sensor layouts, a spectrogram)
// written to PNG with libpng, so a person can look at what the geometry and the demo
// produce. Test-only: the platform's drawing layer is not part of megcompute.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Rgb {  // three bytes, the order of a PNG row
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

static_assert(sizeof(Rgb) == 3);

class PngImage {
 public:
  PngImage(int width, int height, Rgb background);
  int width() const { return m_width; }
  int height() const { return m_height; }
  // Pixels outside the image are ignored.
  void set(int x, int y, Rgb c);
  Rgb at(int x, int y) const;
  void fillRect(int x0, int y0, int x1, int y1, Rgb c);  // [x0, x1) x [y0, y1)
  void disc(int cx, int cy, int radius, Rgb c);
  // Writes the image; returns false with nothing written on failure.
  bool save(const std::string& path) const;

 private:
  int m_width, m_height;
  std::vector<Rgb> m_pixels;
};
