// Options of `spctm-view render`: what to draw (the single-channel view, one patch per
// sensor or every channel in columns), from which class, kind, data source and channel,
// how large, with which saved draw settings, and where to write the PNG. The parser checks every value and reports the first mistake as a UsageError
// whose text names the option and what it accepts; main turns that into exit code 2.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/DatasetSource.h"

namespace spctmview {

enum class RenderView { Single, Patches, Columns };
enum class Modality { Meg, Eeg };
// The four colourings of the draw engine: the standard pair (polarity, absolute) and the
// window and peak views.
enum class Colouring { Polarity, Absolute, Window, Peak };

struct RenderOptions {
  bool help = false;
  RenderView view = RenderView::Single;
  int spctmClass = 0;        // 0 Active, 1 Control, 2 Results
  int dataKind = 2;          // 0 real, 1 imaginary, 2 power
  int dataSource = 0;        // 0 the channel, 1..6 a group statistic
  std::wstring channel;      // empty: the dataset's current channel
  Modality modality = Modality::Meg;
  Colouring colouring = Colouring::Polarity;
  int zoom = 0;              // pixels per bin; 0 fits the picture to the image
  int width = 640;
  int height = 400;
  bool autoRange = true;     // ranges fitted to the data drawn, else rangeLow … rangeHigh
  double rangeLow = 0.0;
  double rangeHigh = 1.0;
  long long timeBegin = 0;   // the draw window's first time point
  long long freqBegin = 0;   // the draw window's first frequency point
  bool selectGiven = false;  // the class's selection is set to select before drawing
  std::array<long long, 4> select{};  // first and last time point, first and last frequency point
  bool wave = false;         // single view: the waveform strip over the spectrogram
  bool plain = false;        // single view: the spectrogram alone, without read-outs, rulers and scale
  std::string out;
  DatasetOptions dataset;    // which dataset to draw
  int columns = 3;           // columns view: number of channel columns
  bool grid = false;         // columns view: the time grid in every column
  std::string settingsIn;    // draw settings to start from (empty: the engine's own)
  std::string settingsOut;   // where to save the draw settings after drawing (empty: nowhere)
  std::vector<std::string> given;  // the options named on the command line, as "--zoom"

  // Whether the command line named the option; with settings loaded, only named options
  // replace what the settings hold.
  bool has(const std::string& option) const;
};

// The options after the word "render". Throws UsageError for an unknown option, a missing
// or bad value, or a missing --out (unless --help is given).
RenderOptions parseRenderOptions(const std::vector<std::string>& args);

// The text of `spctm-view render --help`.
std::string renderHelp();

}  // namespace spctmview
