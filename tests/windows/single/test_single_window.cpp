#include "tests/windows/single/SingleWindowTest.h"

namespace single {
namespace {

TEST_F(SingleWindowTest, Look) {
  dataset = smallDataset();
  open(dataset.get());
  place(4, 20, 300);
  ASSERT_TRUE(writeWindowPng(dlg, outputPath("single-look.png")));
}

}  // namespace
}  // namespace single
