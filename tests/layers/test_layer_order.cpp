// The layers of the project as a checked fact: every header or source of a layer includes
// only headers of its own layer or of layers below it, and the host's computation and
// data model include nothing of the platform. Walks the source tree, so a new folder or
// file is checked without being listed here.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Folders of the shipped code, lowest layer first; folders of one layer share a rank. The
// facade's root header is the windows' message interface, a layer of its own between the
// draw engine and the windows (more specific entries come first).
struct Layer {
  const char* folder;  // a folder, or one file
  int rank;
  bool platformFree;  // may include nothing of platform/
};
constexpr Layer kLayers[] = {
    {"platform/gdi", 0, false},  {"platform/ui", 1, false}, {"host/compute", 2, true},
    {"host/data", 3, true},      {"host/io", 3, true},      {"host/render", 4, false},
    {"draw", 5, false},          {"facade/CMEGSpctmShow2DFace.h", 6, false},
    {"windows", 7, false},       {"resources", 7, false},   {"facade", 8, false},
    {"app", 9, false},
};

std::optional<Layer> layerOf(const std::string& path) {
  for (const Layer& layer : kLayers) {
    const std::string name = layer.folder;
    if (path == name || path.rfind(name + "/", 0) == 0) return layer;
  }
  return std::nullopt;
}

struct Include {
  std::string file;
  int line;
  std::string target;
};

// The project includes ("dir/.../name.h") of every C++ file of a layer.
std::vector<Include> projectIncludes(const fs::path& root) {
  static const std::regex kInclude(R"(^\s*#\s*include\s*"([^"]+)\")");
  std::vector<Include> found;
  for (const char* top : {"platform", "host", "draw", "windows", "resources", "facade", "app"}) {
    if (!fs::exists(root / top)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(root / top)) {
      const std::string ext = entry.path().extension().string();
      if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
      const std::string file = fs::relative(entry.path(), root).generic_string();
      if (!layerOf(file)) continue;
      std::ifstream in(entry.path());
      std::string text;
      for (int line = 1; std::getline(in, text); ++line) {
        std::smatch match;
        if (std::regex_search(text, match, kInclude)) found.push_back({file, line, match[1]});
      }
    }
  }
  return found;
}

// Why an include breaks the layers, or nothing when it keeps them.
std::optional<std::string> violation(const Include& inc) {
  const std::optional<Layer> from = layerOf(inc.file);
  const std::optional<Layer> to = layerOf(inc.target);
  if (!from) return std::nullopt;
  if (!to) return "includes \"" + inc.target + "\", which belongs to no layer";
  if (from->platformFree && inc.target.rfind("platform/", 0) == 0)
    return "includes the platform header \"" + inc.target + "\"; " + from->folder +
           " needs nothing of the platform";
  if (to->rank > from->rank)
    return "includes \"" + inc.target + "\" of the higher layer " + to->folder;
  return std::nullopt;
}

TEST(Layers, NoFileIncludesAHeaderOfAHigherLayer) {
  const std::vector<Include> includes = projectIncludes(SPCTM_SOURCE_DIR);
  ASSERT_GT(includes.size(), 100u) << "the source tree was not found at " << SPCTM_SOURCE_DIR;
  for (const Include& inc : includes) {
    if (const auto why = violation(inc)) ADD_FAILURE() << inc.file << ":" << inc.line << ": " << *why;
  }
}

// The rule itself: a few includes whose verdict is known, so a broken rule cannot pass
// the tree silently.
TEST(Layers, TheRuleTellsUpwardAndSidewaysIncludesApart) {
  EXPECT_FALSE(violation({"draw/A.cpp", 1, "platform/gdi/CDC.h"}));
  EXPECT_FALSE(violation({"host/io/A.cpp", 1, "host/data/CMDTrialqv.h"}));
  EXPECT_FALSE(violation({"host/data/A.cpp", 1, "host/io/DemoDataset.h"}));
  EXPECT_TRUE(violation({"platform/gdi/A.h", 1, "platform/ui/CWnd.h"}));
  EXPECT_TRUE(violation({"draw/A.h", 1, "windows/single/CDlgSpctm1C.h"}));
  EXPECT_TRUE(violation({"host/data/A.h", 1, "platform/gdi/BasicTypes.h"}));
  EXPECT_TRUE(violation({"host/compute/A.h", 1, "host/data/CMDTrialqv.h"}));
  EXPECT_TRUE(violation({"facade/A.cpp", 1, "app/RenderOptions.h"}));
  EXPECT_FALSE(violation({"windows/single/A.h", 1, "facade/CMEGSpctmShow2DFace.h"}));
  EXPECT_TRUE(violation({"windows/single/A.h", 1, "facade/CMEGSpctmShow2DFaceqv.h"}));
  EXPECT_TRUE(violation({"facade/CMEGSpctmShow2DFace.h", 1, "windows/single/CDlgSpctm1C.h"}));
  EXPECT_TRUE(violation({"draw/A.cpp", 1, "nowhere/X.h"}));
}

}  // namespace
