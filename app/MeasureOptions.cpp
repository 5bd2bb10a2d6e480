#include "app/MeasureOptions.h"

#include <cstdint>
#include <limits>

#include "app/OptionValues.h"

namespace spctmview {

MeasureOptions parseMeasureOptions(const std::vector<std::string>& args) {
  MeasureOptions o;
  bool modeGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    OptionArg arg = splitOption(args[i]);
    const std::string& option = arg.name;
    if (option == "--help" || option == "-h") { o.help = true; continue; }
    if (parseDatasetOption(o.dataset, args, i)) continue;
    if (option == "--all-channels") { o.allChannels = true; continue; }
    if (option == "--list-missing") { o.listMissing = true; continue; }
    if (option == "--table") { o.table = true; continue; }
    if (!option.starts_with("--")) throw UsageError("unexpected argument '" + option + "'");
    const std::string value = takeValue(arg, args, i);
    if (parseSpectraOption(option, value, o.spctmClass, o.dataKind, o.dataSource, o.channel)) continue;
    if (option == "--mode") {
      o.mode = oneOf(option, value, {"mmmr", "freq-peak", "freq-mean", "freq-rms", "all-freq-peak", "all-freq-mean",
                                     "all-freq-rms"});
      modeGiven = true;
    } else if (option == "--select") {
      o.select = fourIn(option, value, 0, std::numeric_limits<std::int32_t>::max());
      o.selectGiven = true;
    } else if (option == "--format") {
      o.format = static_cast<MeasureFormat>(oneOf(option, value, {"text", "export", "csv"}));
    } else if (option == "--out") {
      if (value.empty()) throw UsageError("--out needs a file name");
      o.out = value;
    } else {
      throw UsageError("unknown option '" + option + "'");
    }
  }
  if (o.help) return o;
  if (o.table && o.allChannels) throw UsageError("--table and --all-channels measure different things; choose one");
  if ((o.table || o.allChannels) && modeGiven && o.mode != 0) {
    throw UsageError(std::string(o.table ? "--table" : "--all-channels") +
                     " does not take a per-frequency --mode (only mmmr)");
  }
  if (o.table && o.format == MeasureFormat::Csv) throw UsageError("--table has no CSV form; use --format text");
  if (o.format == MeasureFormat::Export && o.out.empty()) throw UsageError("--format export needs --out FILE");
  checkDatasetOptions(o.dataset);
  return o;
}

std::string measureHelp() {
  return R"(usage: spctm-view measure [FILE] [options]

Measures the spectra of the dataset as the measurement dialog does and prints its text
(or writes it with --out): the header of the mode, then the result lines.

  --class act|ctl|rst     spectral class: Active, Control or Results (default act)
  --kind real|imag|power  data kind: real part, imaginary part or power (default power)
  --source 0..6           0 the channel; 1 group mean, 2 minimum, 3 maximum, 4 averaged
                          positive, 5 averaged negative, 6 signed RMS over all channels
                          (default 0)
  --channel NAME          the channel to measure (default: the dataset's current channel)
  --mode mmmr|freq-peak|freq-mean|freq-rms|all-freq-peak|all-freq-mean|all-freq-rms
                          mmmr: minimum, mean, maximum and RMS over the window; freq-*:
                          per frequency point the largest magnitude, the mean magnitude
                          or the RMS over the window's time points; all-freq-*: the same
                          after the number of points measured (default mmmr)
  --select TB,TE,FB,FE    the window: time points TB … TE and frequency points FB … FE
                          (kept within the grid), set as the class's selection first
                          (default: the dataset's selection)
  --all-channels          every channel over the window, one line each with minimum, mean,
                          maximum and RMS (mode mmmr only)
  --list-missing          with --all-channels: channels without spectra of the class and
                          kind are listed as such (default: left out)
  --table                 the whole spectrum's values: one line per frequency, one column
                          per time point (text and export only)
  --format text|export|csv
                          text: UTF-8 text as the dialog shows it; export: the dialog's
                          saved file (a 64-bit little-endian character count, the UTF-16LE
                          text, a 16-bit zero; needs --out); csv: one row per channel (or
                          the one channel or statistic) with the window and the statistics
                          (or the per-frequency values) as columns (default text)
  --out FILE              write to FILE instead of standard output
  --help                  this text
)" + std::string(datasetOptionsHelp()) + R"(
Exit status: 0 measured, 1 nothing to measure or the file could not be written, 2 bad
options.
)";
}

}  // namespace spctmview
