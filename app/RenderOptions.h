// Options of `spctm-view render`: what to draw (the single-channel view, every channel in
// columns, or a topographic view: patches, colour field or contour lines on the head
// layout), from which class, kind, data source and channel,
// how large, with which saved draw settings, and where to write the PNG. The parser checks every value and reports the first mistake as a UsageError
// whose text names the option and what it accepts; main turns that into exit code 2.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/DatasetSource.h"

namespace spctmview {

enum class RenderView { Single, Columns, Flags, Field, Lines, FieldLines };
enum class Modality { Meg, Eeg };
// The four colourings of the draw engine: the standard pair (polarity, absolute) and the
// window and peak views.
enum class Colouring { Polarity, Absolute, Window, Peak };

// The topographic canvas's window and switches.
struct TopoOptions {
  long long timePoints = 30;  // the window's time points after its first ("Time (Wide)")
  long long freqPoints = 30;  // the window's frequency points after its first ("Freq (Hight)")
  bool atMsGiven = false;     // the window's first time point is the one nearest atMs
  double atMs = 0.0;
  bool atHzGiven = false;     // the window's first frequency point is the one nearest atHz
  double atHz = 0.0;
  bool labels = true;
  bool sensors = true;
  int sensorSize = 6;         // circle radius in pixels
  bool radiology = false;     // left–right mirrored layout
  bool noseUp = true;
  bool scale = true;          // the colour scale (not in the lines view)
  bool info = true;           // the time–frequency text
  bool head = true;           // contour views: the head outline
};

struct RenderOptions {
  bool help = false;
  RenderView view = RenderView::Single;
  int spctmClass = 0;        // 0 Active, 1 Control, 2 Results
  int dataKind = 2;          // 0 real, 1 imaginary, 2 power
  int dataSource = 0;        // 0 the channel, 1..6 a group statistic
  std::wstring channel;      // empty: the dataset's current channel
  Modality modality = Modality::Meg;  // topographic views: sensors or electrodes
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
  bool plain = false;        // single view: no read-out cross, texts or title, rulers or scale
  std::string out;
  DatasetOptions dataset;    // which dataset to draw
  int columns = 3;           // columns view: number of channel columns
  bool grid = false;         // columns view: the time grid in every column
  std::string settingsIn;    // draw settings to start from (empty: the engine's own)
  std::string settingsOut;   // where to save the draw settings after drawing (empty: nowhere)
  TopoOptions topo;          // flags, field, lines and fieldlines views
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
