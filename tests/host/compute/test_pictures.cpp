// Pictures for a person to look at, with a few pixel checks: the demo's MEG and EEG
// layouts placed by the topographic canvas's sensor-point formula (Nose Up), and the
// Results power spectrograms of the demo average at one occipital and one central sensor.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "host/io/DemoDataset.h"
#include "tests/host/compute/CanvasPoint.h"
#include "tests/host/render/PngTestImage.h"

namespace {

constexpr std::uint32_t kBackground = 0x14141E;  // pixels are 0x00RRGGBB
constexpr int kSide = 420;

std::uint32_t regionColour(char region) {
  switch (region) {
    case 'F': return 0xE65050;
    case 'C': return 0x50DC50;
    case 'P': return 0x5A78FF;
    case 'O': return 0xF0DC3C;
    case 'T': return 0xDC5ADC;
    default: return 0xC8C8C8;
  }
}

// Region of a sensor name: the helmet's third letter, or the 10-10 name's lobe.
char regionOf(const std::wstring& name, bool meg) {
  if (meg) return static_cast<char>(name[2]);
  const std::string n(name.begin(), name.end());
  if (n.starts_with("Fp") || n.starts_with("AF") || n == "Nz") return 'F';
  if (n.starts_with("PO") || n[0] == 'O' || n[0] == 'I') return 'O';
  if (n.starts_with("FT") || n.starts_with("TP") || n[0] == 'T') return 'T';
  return n[0];
}

void disc(PngTestImage& image, std::int64_t cx, std::int64_t cy, int radius, std::uint32_t colour) {
  for (int dy = -radius; dy <= radius; ++dy) {
    for (int dx = -radius; dx <= radius; ++dx) {
      const int x = static_cast<int>(cx) + dx, y = static_cast<int>(cy) + dy;
      if (dx * dx + dy * dy <= radius * radius) image.fillRect(x, y, x + 1, y + 1, colour);
    }
  }
}

const CArrayMEDataSetqv& demo() {
  static const std::unique_ptr<CArrayMEDataSetqv> ds = buildDemoDataset();
  return *ds;
}

// Draws one modality of the average trial as the canvas would place it, and returns the
// canvas point of every drawn sensor by name.
std::map<std::wstring, CanvasPoint> drawLayout(PngTestImage& image, bool meg) {
  CMDTrialqv* trial = demo().getSessionData(-1)->getTrialqv(0);
  const CanvasPlacement canvas =
      meg ? CanvasPlacement{kSide, kSide, 120, true, false, trial->m_dMeg2DXMin, trial->m_dMeg2DXMax,
                            trial->m_dMeg2DYMin, trial->m_dMeg2DYMax}
          : CanvasPlacement{kSide, kSide, 120, true, false, trial->m_dEeg2DXMin, trial->m_dEeg2DXMax,
                            trial->m_dEeg2DYMin, trial->m_dEeg2DYMax};
  std::map<std::wstring, CanvasPoint> points;
  for (std::int64_t i = 0; i < trial->getTotalChannel(); ++i) {
    const CMDChannelqv* ch = trial->getChannel(i);
    if ((meg ? ch->isMEGMeasureChannel() : ch->isEEGMeasureChannel()) == 0) continue;
    const CanvasPoint p = meg ? canvas.at(ch->m_dMeg2DX, ch->m_dMeg2DY) : canvas.at(ch->m_dEeg2DX, ch->m_dEeg2DY);
    disc(image, p.x, p.y, meg ? 5 : 7, regionColour(regionOf(ch->m_strName, meg)));
    points[ch->m_strName] = p;
  }
  return points;
}

// Blue for decreases, white for no change, red for increases, saturating at -100 % and
// +200 %.
std::uint32_t changeColour(double relative) {
  const double v = relative < 0 ? std::max(relative, -1.0) : std::min(relative / 2.0, 1.0);
  const auto fade = static_cast<std::uint32_t>(std::lround(255.0 * (1.0 - std::abs(v))));
  return v >= 0 ? 0xFF0000 | fade << 8 | fade : fade << 16 | fade << 8 | 0xFF;
}
std::uint32_t red(std::uint32_t p) { return p >> 16; }
std::uint32_t blue(std::uint32_t p) { return p & 0xFF; }

// The Results power of one channel of the average, low frequencies at the bottom.
constexpr int kBinW = 4, kBinH = 6;
PngTestImage drawResults(const std::wstring& name) {
  CMDTrialqv* trial = demo().getSessionData(-1)->getTrialqv(0);
  const CSpctmTrialqv* st = trial->getSpctmTrial(false, 2);
  const std::int64_t T = st->getTrialSpctmTimePt(), F = st->getTrialSpctmFreqPt();
  std::int64_t index = 0;
  while (trial->getChannelName(index) != name) ++index;
  const double* power = trial->getChannel(index)->getSpctmChnl(false, 2)->getSpctmDataPtr(2);
  PngTestImage image(static_cast<int>(T) * kBinW, static_cast<int>(F) * kBinH, kBackground);
  for (std::int64_t t = 0; t < T; ++t) {
    for (std::int64_t f = 0; f < F; ++f) {
      const int x = static_cast<int>(t) * kBinW, y = static_cast<int>(F - 1 - f) * kBinH;
      image.fillRect(x, y, x + kBinW, y + kBinH, changeColour(power[t * F + f]));
    }
  }
  EXPECT_TRUE(image.write("compute_demo_results_" + std::string(name.begin(), name.end()) + ".png"));
  return image;
}

// Pixel of a latency (time point t is 10 t ms) and a frequency (point f is 4 + 2 f Hz).
std::uint32_t pixelAt(PngTestImage& image, double ms, double hz) {
  const int f = static_cast<int>(std::lround((hz - 4.0) / 2.0));
  return image.at(static_cast<int>(ms / 10.0) * kBinW + 1, (38 - f) * kBinH + 1);
}

}  // namespace

TEST(Pictures, DemoLayoutsAsTheCanvasPlacesThem) {
  PngTestImage megImage(kSide, kSide, kBackground), eegImage(kSide, kSide, kBackground);
  const auto meg = drawLayout(megImage, true);
  const auto eeg = drawLayout(eegImage, false);
  EXPECT_TRUE(megImage.write("compute_demo_meg_layout.png"));
  EXPECT_TRUE(eegImage.write("compute_demo_eeg_layout.png"));

  // Where the canvas formula puts a sensor, its colour is drawn (placement itself is
  // checked with the dataset); the corners stay empty.
  const CanvasPoint cz = eeg.at(L"Cz"), t7 = eeg.at(L"T7"), mzo02 = meg.at(L"MZO02");
  EXPECT_EQ(eegImage.at(static_cast<int>(cz.x), static_cast<int>(cz.y)), regionColour('C'));
  EXPECT_EQ(eegImage.at(static_cast<int>(t7.x), static_cast<int>(t7.y)), regionColour('T'));
  EXPECT_EQ(megImage.at(static_cast<int>(mzo02.x), static_cast<int>(mzo02.y)), regionColour('O'));
  for (PngTestImage* image : {&megImage, &eegImage}) {
    EXPECT_EQ(image->at(0, 0), kBackground);
    EXPECT_EQ(image->at(kSide - 1, kSide - 1), kBackground);
  }
}

TEST(Pictures, ResultsSpectrogramsOfAnOccipitalAndACentralSensor) {
  PngTestImage occipital = drawResults(L"MZO02");
  // Gamma burst red at 60 Hz and 200 ms, alpha drop blue at 10 Hz and 400 ms.
  EXPECT_EQ(red(pixelAt(occipital, 200.0, 60.0)), 255u);
  EXPECT_LT(blue(pixelAt(occipital, 200.0, 60.0)), 60u);
  EXPECT_EQ(blue(pixelAt(occipital, 400.0, 10.0)), 255u);
  EXPECT_LT(red(pixelAt(occipital, 400.0, 10.0)), 100u);

  PngTestImage central = drawResults(L"MLC32");
  // Beta rebound red at 20 Hz and 650 ms; nothing like it at 20 Hz before 300 ms.
  EXPECT_EQ(red(pixelAt(central, 650.0, 20.0)), 255u);
  EXPECT_LT(blue(pixelAt(central, 650.0, 20.0)), 60u);
  EXPECT_GT(blue(pixelAt(central, 100.0, 20.0)), 120u);
}
