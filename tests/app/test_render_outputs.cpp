// What `spctm-view render` does with its files: every output is checked before anything is
// written, the picture and the settings are replaced together or not at all whatever
// fails (a limit, a permission, the target's kind, two outputs on one path, any single
// system call of the write), the earlier files survive byte for byte with nothing left
// beside them, and the picture can go to standard output with the status on the error
// stream.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>
#include <sstream>
#include <thread>

#include "app/RenderCommand.h"
#include "platform/gdi/AtomicFile.h"
#include "tests/support/DatasetBuilder.h"
#include "tests/support/FileTesting.h"

using namespace spctmview;
using namespace filetesting;

namespace {

using Contents = std::map<std::string, std::string>;

std::unique_ptr<CArrayMEDataSetqv> smallDataset() {
  return megdata::DatasetBuilder()
      .meg(L"MLC11", 0, 0).meg(L"MLC12", 1, 0)
      .grid(30, 12)
      .spectra(0, [](std::int64_t c, std::int64_t t, std::int64_t f, int) { return 0.1 * static_cast<double>(c + t - f); })
      .build();
}

int render(CArrayMEDataSetqv& ds, std::vector<std::string> args, std::string* errText = nullptr) {
  args.insert(args.begin(), {"--view", "columns", "--size", "200x120"});
  std::ostringstream out, err;
  const int status = runRender(parseRenderOptions(args), ds, out, err);
  if (errText) *errText = err.str();
  EXPECT_EQ(out.str(), "");  // status and errors go to the error stream only
  return status;
}

// A folder holding a picture and a settings record from an earlier run.
struct EarlierRun {
  ScratchFolder dir;
  std::string png = dir / "view.png", settings = dir / "view.settings";
  EarlierRun() {
    writeAll(png, "earlier picture");
    writeAll(settings, "earlier settings");
  }
};

}  // namespace

TEST(RenderOutputs, EveryFailedWriteCallOfARunKeepsTheEarlierFiles) {
  const auto ds = smallDataset();
  Contents after;
  {
    EarlierRun run;
    ASSERT_EQ(render(*ds, {"--out", run.png, "--save-settings", run.settings}), 0);
    after = run.dir.contents();
    ASSERT_EQ(after.size(), 2u);
    ASSERT_EQ(after["view.settings"].size(), 302u);
  }
  long failures = 0;
  for (long n = 1;; ++n) {
    EarlierRun run;
    const Contents before = run.dir.contents();
    std::string why;
    setFileCallFault(n, EIO);
    const int status = render(*ds, {"--out", run.png, "--save-settings", run.settings}, &why);
    const long calls = fileCallsCounted();
    setFileCallFault(0, 0);
    if (status == 0) {
      EXPECT_EQ(run.dir.contents(), after) << "call " << n;
    } else {
      ++failures;
      EXPECT_EQ(run.dir.contents(), before) << "call " << n;
      EXPECT_NE(why.find("Input/output error"), std::string::npos) << why;
      EXPECT_EQ(why.find("wrote"), std::string::npos) << why;
    }
    if (n > calls) {
      EXPECT_EQ(status, 0);
      break;
    }
  }
  EXPECT_GE(failures, 12);  // create, write, sync, close, link and rename of two files
}

TEST(RenderOutputs, OutputsThatCannotBeWrittenStopTheRunBeforeAnyIsReplaced) {
  const auto ds = smallDataset();
  struct Case {
    const char* what;
    const char* settings;  // relative to the folder
    ChildLimits limits;
    const char* message;
  };
  const Case cases[] = {
      {"past the file-size limit", "view.settings", {500, false}, "File too large"},
      {"a read-only folder", "ro/view.settings", {-1, true}, "Permission denied"},
      {"a read-only file", "locked.settings", {-1, true}, "Permission denied"},
      {"a folder as the target", "ro", {}, "Is a directory"},
      {"a missing folder", "none/view.settings", {}, "No such file or directory"},
      {"both outputs on one path", "view.png", {}, "--out and --save-settings name the same file"},
      {"one path spelled two ways", "ro/../view.png", {}, "--out and --save-settings name the same file"},
  };
  for (const Case& c : cases) {
    EarlierRun run;
    writeAll(run.dir / "locked.settings", "earlier locked");
    ::chmod((run.dir / "locked.settings").c_str(), 0444);
    std::filesystem::create_directory(run.dir / "ro");
    writeAll(run.dir / "ro/view.settings", "earlier ro");
    ::chmod((run.dir / "ro").c_str(), 0555);
    ScratchFolder log;
    const Contents before = run.dir.contents();
    const int status = runInChild(
        [&] {
          std::string why;
          const int s = render(*ds, {"--out", run.png, "--save-settings", run.dir / c.settings}, &why);
          writeAll(log / "err", why);
          return s;
        },
        c.limits);
    EXPECT_EQ(status, 1) << c.what;
    EXPECT_EQ(run.dir.contents(), before) << c.what;
    const std::string why = readAll(log / "err");
    EXPECT_NE(why.find(c.message), std::string::npos) << c.what << ": " << why;
    EXPECT_EQ(why.find("wrote"), std::string::npos) << c.what << ": " << why;
  }
}

TEST(RenderOutputs, DevicesAndPipesAreWrittenInPlaceAndStandardOutputTakesThePicture) {
  const auto ds = smallDataset();
  EarlierRun run;
  // A device that answers "no space", like /dev/full (made here; making one needs root).
  const std::string full = run.dir / "full";
  if (::mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0) {
    const Contents before = run.dir.contents();
    std::string why;
    EXPECT_EQ(render(*ds, {"--out", full, "--save-settings", run.settings}, &why), 1);
    EXPECT_NE(why.find("No space left on device"), std::string::npos) << why;
    EXPECT_EQ(run.dir.contents(), before);
    ::unlink(full.c_str());
  }

  const std::string fifo = run.dir / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
  std::string piped;
  std::thread reader([&] { piped = readAll(fifo); });
  std::string why;
  EXPECT_EQ(render(*ds, {"--out", fifo}, &why), 0);
  reader.join();
  EXPECT_EQ(piped.substr(0, 4), "\x89PNG");
  EXPECT_EQ(why, "spctm-view: wrote " + fifo + "\n");

  // "--out -": the same picture on standard output, the status on the error stream only.
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  std::string out;
  std::thread drain([&] {
    char buffer[4096];
    for (ssize_t n; (n = ::read(ends[0], buffer, sizeof buffer)) > 0;) out.append(buffer, static_cast<std::size_t>(n));
  });
  ScratchFolder log;
  const int status = runInChild([&] {
    ::dup2(ends[1], STDOUT_FILENO);
    std::string text;
    const int s = render(*ds, {"--out", "-"}, &text);
    writeAll(log / "err", text);
    return s;
  });
  ::close(ends[1]);
  drain.join();
  ::close(ends[0]);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out, piped);
  EXPECT_EQ(readAll(log / "err"), "spctm-view: wrote standard output\n");
}
