#include "app/RenderOptions.h"

#include "app/OptionValues.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <tuple>
#include <utility>

namespace spctmview {
namespace {

// "A,B" or "AxB" split into two integers in [lo, hi].
std::pair<long long, long long> pairIn(const std::string& option, const std::string& text, char separator,
                                       long long lo, long long hi) {
  const std::size_t at = text.find(separator);
  if (at == std::string::npos) {
    throw UsageError(option + " needs two numbers joined by '" + std::string(1, separator) + "', got '" + text + "'");
  }
  return {integerIn(option, text.substr(0, at), lo, hi), integerIn(option, text.substr(at + 1), lo, hi)};
}

// "LO,HI": two finite numbers with LO < HI.
std::pair<double, double> rangeOf(const std::string& option, const std::string& text) {
  const std::size_t at = text.find(',');
  double lo = 0.0, hi = 0.0;
  const auto number = [](const std::string& part, double& v) {
    const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), v);
    return ec == std::errc() && end == part.data() + part.size() && std::isfinite(v);
  };
  if (at == std::string::npos || !number(text.substr(0, at), lo) || !number(text.substr(at + 1), hi) || !(lo < hi)) {
    throw UsageError(option + " needs auto or two numbers LO,HI with LO below HI, got '" + text + "'");
  }
  return {lo, hi};
}

// A finite number from the whole of `text`.
double finiteNumber(const std::string& option, const std::string& text) {
  double v = 0.0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v)) {
    throw UsageError(option + " needs a number, got '" + text + "'");
  }
  return v;
}

}  // namespace

bool RenderOptions::has(const std::string& option) const {
  return std::find(given.begin(), given.end(), option) != given.end();
}

RenderOptions parseRenderOptions(const std::vector<std::string>& args) {
  RenderOptions o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    OptionArg arg = splitOption(args[i]);
    const std::string& option = arg.name;
    std::string value = arg.value;
    o.given.push_back(option);
    if (option == "--help" || option == "-h") { o.help = true; continue; }
    if (parseDatasetOption(o.dataset, args, i)) continue;
    if (option == "--wave") { o.wave = true; continue; }
    if (option == "--plain") { o.plain = true; continue; }
    if (option == "--grid") { o.grid = true; continue; }
    if (option == "--no-labels") { o.topo.labels = false; continue; }
    if (option == "--no-sensors") { o.topo.sensors = false; continue; }
    if (option == "--radiology") { o.topo.radiology = true; continue; }
    if (option == "--nose-down") { o.topo.noseUp = false; continue; }
    if (option == "--no-scale") { o.topo.scale = false; continue; }
    if (option == "--no-info") { o.topo.info = false; continue; }
    if (option == "--no-head") { o.topo.head = false; continue; }
    if (!option.starts_with("--")) throw UsageError("unexpected argument '" + option + "'");
    value = takeValue(arg, args, i);
    if (parseSpectraOption(option, value, o.spctmClass, o.dataKind, o.dataSource, o.channel)) continue;
    if (option == "--view") {
      o.view = static_cast<RenderView>(oneOf(option, value, {"single", "columns", "flags", "field", "lines", "fieldlines"}));
    } else if (option == "--modality") {
      o.modality = oneOf(option, value, {"meg", "eeg"}) == 0 ? Modality::Meg : Modality::Eeg;
    } else if (option == "--colour") {
      o.colouring = static_cast<Colouring>(oneOf(option, value, {"polarity", "absolute", "window", "peak"}));
    } else if (option == "--range") {
      o.autoRange = value == "auto";
      if (!o.autoRange) std::tie(o.rangeLow, o.rangeHigh) = rangeOf(option, value);
    } else if (option == "--zoom") {
      o.zoom = zoomOf(option, value);
    } else if (option == "--size") {
      const auto [w, h] = pairIn(option, value, 'x', 16, 8192);
      o.width = static_cast<int>(w);
      o.height = static_cast<int>(h);
    } else if (option == "--begin") {
      std::tie(o.timeBegin, o.freqBegin) = pairIn(option, value, ',', 0, std::numeric_limits<std::int32_t>::max());
    } else if (option == "--window-time") {
      std::tie(o.timeBegin, o.topo.timePoints) = pairIn(option, value, ',', 0, std::numeric_limits<std::int32_t>::max());
    } else if (option == "--window-freq") {
      std::tie(o.freqBegin, o.topo.freqPoints) = pairIn(option, value, ',', 0, std::numeric_limits<std::int32_t>::max());
    } else if (option == "--at-ms") {
      o.topo.atMs = finiteNumber(option, value);
      o.topo.atMsGiven = true;
    } else if (option == "--at-hz") {
      o.topo.atHz = finiteNumber(option, value);
      o.topo.atHzGiven = true;
    } else if (option == "--sensor-size") {
      o.topo.sensorSize = static_cast<int>(integerIn(option, value, 1, 100));
    } else if (option == "--select") {
      o.select = fourIn(option, value, 0, std::numeric_limits<std::int32_t>::max());
      o.selectGiven = true;
    } else if (option == "--columns") {
      o.columns = static_cast<int>(integerIn(option, value, 1, 64));
    } else if (option == "--settings") {
      if (value.empty()) throw UsageError("--settings needs a file name");
      o.settingsIn = value;
    } else if (option == "--save-settings") {
      if (value.empty()) throw UsageError("--save-settings needs a file name");
      o.settingsOut = value;
    } else if (option == "--out") {
      if (value.empty()) throw UsageError("--out needs a file name");
      o.out = value;
    } else {
      throw UsageError("unknown option '" + option + "'");
    }
  }
  if (!o.help && o.out.empty()) throw UsageError("--out FILE.png is required");
  checkDatasetOptions(o.dataset);
  return o;
}

std::string renderHelp() {
  return R"(usage: spctm-view render [FILE] --out FILE.png [options]

Draws a spectral view of the dataset straight into a PNG file, without windows.

  --view single|columns|flags|field|lines|fieldlines
                          single: one channel's (or one group statistic's) spectrogram
                          as the single-channel window's canvas draws it; columns:
                          every shown channel's spectrogram, one pixel per bin, stacked
                          in columns with base lines and names, the current channel's
                          name in red; flags: one small spectrogram per sensor of a
                          modality at its place on the head layout, one pixel per
                          point of the time-frequency window; field, lines,
                          fieldlines: the sensors' means over the window interpolated
                          to a colour field, its contour lines (16 levels), or both,
                          on the head layout (default single)
  --class act|ctl|rst     spectral class: Active, Control or Results (default act)
  --kind real|imag|power  data kind: real part, imaginary part or power (default power)
  --source 0..6           single view: 0 the channel; 1 group mean, 2 minimum, 3 maximum,
                          4 averaged positive, 5 averaged negative, 6 signed RMS over all
                          channels (default 0)
  --channel NAME          single view: the channel to draw (default: the first channel)
  --modality meg|eeg      topographic views: MEG sensors or EEG electrodes (default meg)
  --colour polarity|absolute|window|peak
                          colouring: magnitude in the standard range by sign
                          (polarity) or on one scale (absolute); values in the colour
                          range on one scale (window); only values beyond the colour
                          range, by sign (peak)
                          (default polarity)
  --range auto|LO,HI      the range the colouring spans: auto fits it to the data drawn
                          (polarity and absolute: 0 to the largest magnitude; window:
                          the smallest to the largest value; peak: colours beyond half
                          the largest magnitude, strongest at it); LO,HI sets the
                          colour range, the magnitudes polarity and absolute span (0 to
                          the larger end when LO < 0 < HI) and the peak view's outer
                          range half a span further out (default auto)
  --zoom N|fit            single view: pixels per bin, 1 to 64; fit takes the largest
                          that leaves the rulers and labels room in the image (default fit)
  --size WxH              image size in pixels, each 16 to 8192 (default 640x400)
  --begin T,F             first time and frequency point of the draw window: where the
                          topographic window starts, and where a single view too large
                          for the image starts (default 0,0)
  --window-time FIRST,N   topographic views: the window's time points FIRST to FIRST+N
                          (the patches' width in pixels; default 0,30)
  --window-freq FIRST,N   topographic views: the window's frequency points FIRST to
                          FIRST+N (the patches' height in pixels; default 0,30)
  --at-ms MS, --at-hz HZ  topographic views: the window starts at the time point of the
                          latency nearest MS, the frequency point nearest HZ
  --no-labels, --no-sensors
                          topographic views: without the sensor names, without the
                          sensor circles and the current channel's name
  --sensor-size N         topographic views: circle radius in pixels, 1 to 100 (default 6)
  --radiology             topographic views: the layout mirrored left-right
  --nose-down             topographic views: the nose at the bottom (default: at the top)
  --no-scale, --no-info   topographic views: without the colour scale, without the
                          time-frequency text at the bottom
  --no-head               field and line views: without the head outline
  --select TB,TE,FB,FE    sets the class's selection to time points TB … TE and frequency
                          points FB … FE (kept within the grid) before drawing; the single
                          view shows it inverted with its latencies, frequencies and sum
                          (default: the dataset's selection, the whole grid)
  --wave                  single view: the current channel's raw waveform over the
                          spectrogram, around a zero line in the middle of the image
  --plain                 single view: the spectrogram without the read-out's cross,
                          texts and title, the rulers and the colour scale (the
                          selection box stays, as the window always shows it)
  --columns N             columns view: number of columns, 1 to 64 (default 3)
  --grid                  columns view: vertical time grid lines in every column
  --settings FILE         start from the draw settings saved in FILE by --save-settings:
                          colour ranges, view mode, zoom, draw window, read-out switches,
                          column layout, time grid, colours; options given as well
                          replace what FILE holds, and --range auto is then only
                          applied when given (the picture is always placed anew)
  --save-settings FILE    after drawing, save the draw settings to FILE (a 302-byte
                          record), so a later figure can start from them
  --out FILE.png          the image to write (required); - writes it to standard output
  --help                  this text
)" + std::string(datasetOptionsHelp()) + R"(
The image and the settings are written together: both files are replaced or, when
either cannot be written, neither (the earlier files stay as they were). Messages go to
standard error.

Exit status: 0 written, 1 the image could not be drawn or written, 2 bad options.
)";
}

}  // namespace spctmview
