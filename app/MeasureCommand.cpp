#include "app/MeasureCommand.h"

#include <ostream>

#include "app/CommandMain.h"
#include "windows/dialogs/SpctmMeasurement.h"
#include "windows/dialogs/SpctmTextExport.h"

namespace spctmview {
namespace {

// What the measured row is called for a data source other than the channel.
const char* sourceName(int source) {
  static const char* const kNames[] = {"Group Mean",       "Group Min",        "Group Max",
                                       "Average Positive", "Average Negative", "Root-Mean-Square"};
  return source >= 1 && source <= 6 ? kNames[source - 1] : "";
}

// A CSV field: quoted when it holds a comma, a quote or a line break.
std::string csvField(const std::string& text) {
  if (text.find_first_of(",\"\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string number(double v) { return toUtf8(formatText(L"%.10g", v)); }

// The window's columns of a row: points, their latencies and frequencies, the count.
std::string windowFields(const spctmtext::MeasureWindow& w, std::int64_t points) {
  return std::to_string(w.timeBegin) + "," + std::to_string(w.timeEnd) + "," + std::to_string(w.freqBegin) + "," +
         std::to_string(w.freqEnd) + "," + number(w.timeBeginMs) + "," + number(w.timeEndMs) + "," +
         number(w.freqBeginHz) + "," + number(w.freqEndHz) + "," + std::to_string(points);
}

std::string statsFields(const spctmtext::MMMR& v) {
  return number(v.minimum) + "," + number(v.mean) + "," + number(v.maximum) + "," + number(v.rms);
}

// One row per channel (or the one channel or statistic), the window and the statistics
// (or the mode's value per frequency point) as columns. m is bound, W set and converted.
std::string csvTable(SpctmMeasurement& m, const MeasureOptions& o, const std::wstring& sessionName,
                     std::int64_t points) {
  const CMDTrialqv& trial = *m.m_pTrial;
  const std::string names = csvField(toUtf8(sessionName)) + "," + csvField(toUtf8(trial.m_strName)) + ",";
  const spctmtext::MeasureWindow w = m.window();
  std::string csv = "session,trial,channel,time_begin,time_end,freq_begin,freq_end,time_begin_ms,time_end_ms,"
                    "freq_begin_hz,freq_end_hz,points";
  if (o.allChannels) {
    csv += ",minimum,mean,maximum,rms\n";
    for (const SpctmMeasurement::ChannelStats& row : m.measureChannelsMMMR()) {
      if (!row.hasData && !o.listMissing) continue;
      csv += names + csvField(toUtf8(row.name)) + "," + windowFields(w, points) + "," +
             (row.hasData ? statsFields(row.stats) : std::string(",,,")) + "\n";
    }
    return csv;
  }
  const std::string channel =
      o.dataSource == 0 ? toUtf8(trial.getChannelName(-1)) : std::string(sourceName(o.dataSource));
  const std::string row = names + csvField(channel) + "," + windowFields(w, points);
  if (o.mode == 0) return csv + ",minimum,mean,maximum,rms\n" + row + "," + statsFields(m.measureWindowMMMR()) + "\n";
  m.measureWindowValues();
  static const char* const kStats[] = {"peak", "mean", "rms"};
  const CSpctmTrialqv* spctm = m.m_pTrial->getSpctmTrial(false, m.m_nSpctmClass);
  std::string values;
  for (std::int64_t k = 0; k < m.valueCount(); ++k) {
    csv += "," + std::string(kStats[(o.mode - 1) % 3]) + "_" +
           toUtf8(formatText(L"%0.3f", spctm->getSpctmFreq4FreqIndex(w.freqBegin + k))) + "Hz";
    values += "," + number(m.values()[k]);
  }
  return csv + "\n" + row + values + "\n";
}

// Why the options cannot be measured on this trial; empty when they can.
std::string whyNothingToMeasure(const MeasureOptions& o, CMDTrialqv& trial) {
  static const char* const kClasses[] = {"act", "ctl", "rst"};
  static const char* const kKinds[] = {"real", "imag", "power"};
  const std::string what = std::string(kClasses[o.spctmClass]) + " " + kKinds[o.dataKind];
  const CSpctmTrialqv* spctm = trial.getSpctmTrial(false, o.spctmClass);
  if (!spctm) return "the trial has no spectra of the class " + std::string(kClasses[o.spctmClass]);
  if (o.table || o.allChannels) return {};
  if (o.dataSource == 0 && !trial.hasSpctmData4Chnl(o.spctmClass, o.dataKind, -1))
    return "channel " + toUtf8(trial.getChannelName(-1)) + " has no " + what + " spectrum";
  if (o.dataSource != 0 && !spctm->getSumChnlSpctmData(o.dataKind))
    return "the trial has no group statistics of " + what;
  return {};
}

}  // namespace

int runMeasure(const MeasureOptions& o, CArrayMEDataSetqv& dataset, std::ostream& out, std::ostream& err) {
  CMEGDataqv* session = dataset.getSessionData(-1);
  CMDTrialqv* trial = session ? session->getTrialqv(-1) : nullptr;
  if (!trial) {
    err << "spctm-view measure: the dataset has no current session and trial\n";
    return 1;
  }
  try {
    if (!o.channel.empty()) selectChannel(*trial, o.channel);
  } catch (const UsageError& e) {
    err << "spctm-view measure: " << e.what() << "\n";
    return 2;
  }
  if (const std::string why = whyNothingToMeasure(o, *trial); !why.empty()) {
    err << "spctm-view measure: " << why << "\n";
    return 1;
  }
  if (o.selectGiven) {
    CSpctmTrialqv* spctm = trial->getSpctmTrial(false, o.spctmClass);
    spctm->setTrialSpctmSelectTime(o.select[0], o.select[1]);
    spctm->setTrialSpctmSelectFreq(o.select[2], o.select[3]);
  }

  // The dialog's composer: its text as the dialog would hold it after opening in the mode
  // and measuring, or its numbers as CSV.
  SpctmMeasurement m;
  m.m_nMode = o.mode;
  m.m_bSpctmChnl = o.listMissing ? 0 : 1;
  const std::wstring sessionName = session->getSessionName();
  std::vector<BYTE> bytes;
  if (o.format == MeasureFormat::Csv) {
    m.bindMeasurement(&dataset, session, trial, o.dataSource, o.spctmClass, o.dataKind);
    const std::int64_t points = m.setWindowToSpctm(false);
    m.convertWindow();
    const std::string csv = csvTable(m, o, sessionName, points);
    bytes.assign(csv.begin(), csv.end());
  } else {
    CString text = spctmtext::measureHeader(o.mode).c_str();
    if (o.table) m.measureSpctmAll(&dataset, session, trial, o.dataSource, o.spctmClass, o.dataKind, sessionName, text);
    else if (o.allChannels)
      m.measureSpctmAllSns(&dataset, session, trial, o.dataSource, o.spctmClass, o.dataKind, sessionName, text);
    else m.measureSpctmSM(&dataset, session, trial, o.dataSource, o.spctmClass, o.dataKind, sessionName, text);
    if (o.format == MeasureFormat::Export) {
      bytes = spctmTextExportBytes(text);
    } else {
      const std::string utf8 = text.utf8();
      bytes.assign(utf8.begin(), utf8.end());
    }
  }

  if (o.out.empty()) {
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return out ? 0 : 1;
  }
  std::string error;
  if (!writeSpctmFile(CString(o.out.c_str()), bytes, &error)) {
    err << "spctm-view measure: " << error << "\n";
    return 1;
  }
  out << "spctm-view: wrote " << o.out << "\n";
  return 0;
}

int measureMain(const std::vector<std::string>& args) {
  return commandMain<MeasureOptions>("measure", args, parseMeasureOptions, measureHelp, runMeasure);
}

}  // namespace spctmview
