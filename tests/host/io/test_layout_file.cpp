// Users' 2-D layout files in both common forms (with and without the box line), names with
// spaces, tabs and comments, and the lines the parser refuses with their numbers.
#include <gtest/gtest.h>

#include "host/io/LayoutFile.h"
#include "host/io/Recording.h"
#include "tests/support/FileTesting.h"

namespace {

std::string layoutError(const std::string& text) {
  try {
    parseLayoutText("my.lay", text);
  } catch (const RecordingError& e) {
    return e.what();
  }
  return "";
}

}  // namespace

TEST(LayoutFile, EntriesWithoutAndWithTheBoxLine) {
  const LayoutFile plain = parseLayoutText("a.lay", "1 -0.3 0.9 0.1 0.08 Fp1\n2\t0.3\t0.9\t0.1\t0.08\tFp2\r\n\n# a comment\n3 0 0 .1 .08 Left ear lobe  \n");
  EXPECT_FALSE(plain.hasBox);
  ASSERT_EQ(plain.entries.size(), 3u);
  EXPECT_EQ(plain.entries[0].index, 1);
  EXPECT_DOUBLE_EQ(plain.entries[0].centre.x, -0.3);
  EXPECT_DOUBLE_EQ(plain.entries[0].centre.y, 0.9);
  EXPECT_DOUBLE_EQ(plain.entries[0].width, 0.1);
  EXPECT_DOUBLE_EQ(plain.entries[0].height, 0.08);
  EXPECT_EQ(plain.entries[1].name, "Fp2");
  EXPECT_EQ(plain.entries[2].name, "Left ear lobe");
  ASSERT_NE(plain.find("fp2"), nullptr);
  EXPECT_EQ(plain.find("fp2")->index, 2);
  EXPECT_EQ(plain.find("Cz"), nullptr);

  const LayoutFile boxed = parseLayoutText("b.lout", "  -25.0   25.0   -20.0   20.0\n001\t-10.5\t12.0\t3.0\t2.5\tMEG 0113\n");
  EXPECT_TRUE(boxed.hasBox);
  EXPECT_DOUBLE_EQ(boxed.box.xMin, -25.0);
  EXPECT_DOUBLE_EQ(boxed.box.yMax, 20.0);
  ASSERT_EQ(boxed.entries.size(), 1u);
  EXPECT_EQ(boxed.entries[0].name, "MEG 0113");
  EXPECT_EQ(boxed.entries[0].index, 1);
}

TEST(LayoutFile, BadLinesAreNamedByNumber) {
  EXPECT_EQ(layoutError("1 0 0 1 1 A\n2 0 0 1 B\n"), "my.lay: line 2: expected \"index x y width height name\", found \"2 0 0 1 B\"");
  EXPECT_EQ(layoutError("1 0 0 1 1\n"), "my.lay: line 1: a sensor without a name");
  EXPECT_EQ(layoutError("1 0 0 1 1 A\n\n2 1 1 -1 1 B\n"), "my.lay: line 3: a negative width or height");
  EXPECT_EQ(layoutError("1 0 0 1 1 A\n2 1 1 1 1 A\n"), "my.lay: line 2: \"A\" is already on line 1");
  EXPECT_EQ(layoutError("1.5 0 0 1 1 A\n"), "my.lay: line 1: the index is not a whole number");
  EXPECT_EQ(layoutError("1 1 0 0\n"), "my.lay: line 1: the box \"1 1 0 0\" is empty (xmin xmax ymin ymax)");
  EXPECT_EQ(layoutError("0 1 0 1\n# nothing\n"), "my.lay: no sensors in the layout");
  EXPECT_EQ(layoutError("1 nan 0 1 1 A\n"), "my.lay: line 1: expected \"index x y width height name\", found \"1 nan 0 1 1 A\"");
  // A second four-number line is not a box any more.
  EXPECT_EQ(layoutError("0 1 0 1\n0 1 0 1\n"), "my.lay: line 2: expected \"index x y width height name\", found \"0 1 0 1\"");
}

TEST(LayoutFile, ReadsAFileAndNamesAMissingOne) {
  filetesting::ScratchFolder dir;
  filetesting::writeAll(dir / "x.lay", "1 0 0 1 1 Cz\n");
  EXPECT_EQ(readLayoutFile(dir / "x.lay").entries.at(0).name, "Cz");
  EXPECT_THROW(readLayoutFile(dir / "none.lay"), RecordingError);
}
