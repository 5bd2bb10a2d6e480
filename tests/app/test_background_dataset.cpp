// The show command's dataset loaded on a worker: what the load says reaches the window as
// plain lines (no terminal codes), a failed load hands over no dataset and the reason.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/BackgroundDataset.h"

using spctmview::BackgroundDataset;
using spctmview::DatasetOptions;

TEST(BackgroundDataset, AFileThatCannotBeReadGivesNoDatasetAndSaysWhy) {
  const std::filesystem::path bad = std::filesystem::temp_directory_path() / "spctm-background-not-a-recording.fif";
  std::ofstream(bad) << "not a recording";
  DatasetOptions options;
  options.file = bad.string();
  BackgroundDataset load(options);
  std::string messages;
  EXPECT_EQ(load.take(messages), nullptr);
  EXPECT_TRUE(load.finished());
  EXPECT_NE(messages.find(bad.string()), std::string::npos) << messages;
  EXPECT_EQ(messages.find('\x1b'), std::string::npos) << "no terminal codes";
  EXPECT_EQ(load.progress().find('\r'), std::string::npos);
  std::filesystem::remove(bad);
}
