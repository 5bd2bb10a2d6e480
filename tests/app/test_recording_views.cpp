// The demo recording written to a file in each format the readers take and opened as the
// viewer opens a FILE: its Results spectra match those of the recording itself (the same
// bursts in the same places), and its views are written to the test output folder to be
// looked at: the alpha decrease, the beta rebound and the gamma burst as fields.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include "app/DatasetSource.h"
#include "app/RenderCommand.h"
#include "tests/support/DemoAsRecording.h"
#include "tests/support/FifWriter.h"
#include "tests/support/RecordingTestWriters.h"

using namespace spctmview;

namespace {

const std::string kOut = SPCTM_TEST_OUTPUT_DIR;

struct Format {
  const char* extension;
  std::function<void(const std::string&, const Recording&)> write;
};

const Format kFormats[] = {
    {"fif", [](const std::string& path, const Recording& rec) { fifwriter::writeFif(path, rec); }},
    {"edf", [](const std::string& path, const Recording& rec) { writeRecordingAsEdf(rec, path, false); }},
    {"bdf", [](const std::string& path, const Recording& rec) { writeRecordingAsEdf(rec, path, true); }},
    {"vhdr", [](const std::string& path, const Recording& rec) {
       const std::filesystem::path p(path);
       writeRecordingAsBrainVision(rec, p.parent_path().string(), p.stem().string());
     }},
};

// Epochs as the demo cuts them; 10 to 60 Hz in 5 Hz steps.
std::vector<std::string> datasetArgs(const std::string& path) {
  return {path, "--active", "0,1000", "--control", "-350,-50", "--freqs", "10,60,11"};
}

DatasetOptions parsedDataset(const std::string& path) {
  const std::vector<std::string> args = datasetArgs(path);
  DatasetOptions o;
  for (std::size_t i = 0; i < args.size(); ++i) EXPECT_TRUE(parseDatasetOption(o, args, i));
  return o;
}

const CSpctmChnlqv* results(const CArrayMEDataSetqv& ds, const std::wstring& name) {
  CMDTrialqv* average = ds.getSessionData(-1)->getTrialqv(0);
  for (std::int64_t i = 0; i < average->getTotalChannel(); ++i) {
    const std::wstring n = average->getChannelName(i);  // EDF labels keep their type word: "MEG MZO01"
    if (n == name || n == L"MEG " + name) return average->getChannel(i)->getSpctmChnl(false, 2);
  }
  return nullptr;
}

TEST(RecordingViews, TheDemoWrittenInEachFormatShowsTheSameBurstsInTheSamePlaces) {
  const Recording demo = demoAsRecording({.demo = {.seed = 21, .epochs = 8}});
  const DatasetOptions reference = parsedDataset("demo");
  const auto direct = buildRecordingDataset(demo, reference.recording);
  for (const Format& format : kFormats) {
    const std::string path = kOut + "/demo-recording." + format.extension;
    format.write(path, demo);
    std::ostringstream err;
    const auto fromFile = loadDataset(parsedDataset(path), "render", err, false);
    ASSERT_NE(fromFile, nullptr) << err.str();
    for (const wchar_t* name : {L"MZO01", L"MLC32", L"MZO02", L"Oz", L"C1"}) {
      const CSpctmChnlqv* a = results(*fromFile, name);
      const CSpctmChnlqv* b = results(*direct, name);
      ASSERT_TRUE(a && b) << format.extension;
      // alpha 10 Hz 250-550 ms, beta 20 Hz 550-750 ms, gamma 60 Hz 150-250 ms
      for (auto [tb, te, f] : {std::array<std::int64_t, 3>{25, 55, 0}, {55, 75, 2}, {15, 25, 10}}) {
        const double x = a->getSelectSpctmValue(tb, te, f, f, 2), y = b->getSelectSpctmValue(tb, te, f, f, 2);
        EXPECT_NEAR(x, y, 1e-3 * (1 + std::abs(y))) << format.extension << " at point " << f;
      }
    }
    // For looking: Results power of the MEG over the alpha decrease and the gamma burst, of
    // the EEG over the beta rebound, each as a field.
    struct View { const char* name; const char* modality; const char* time; const char* freq; };
    for (const View& v : {View{"alpha", "meg", "25,30", "0,1"}, View{"gamma", "meg", "15,10", "10,1"},
                          View{"beta", "eeg", "55,20", "2,1"}}) {
      std::vector<std::string> args = datasetArgs(path);
      args.insert(args.end(), {"--view", "field", "--class", "rst", "--modality", v.modality, "--window-time", v.time,
                               "--window-freq", v.freq, "--size", "400x400", "--out",
                               kOut + "/recording-" + format.extension + "-" + v.name + ".png"});
      EXPECT_EQ(renderMain(args), 0) << v.name;
    }
  }
}

}  // namespace
