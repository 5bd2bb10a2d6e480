// The atomic writer and the files written through it: the target changes only when a
// write is committed, every failure (made by a child's limits, permissions, the target's
// kind or an injected fault on any system call) leaves the folder byte for byte as it
// was, and devices, pipes and standard output are written in place and never removed.
#include "platform/gdi/AtomicFile.h"
#include "platform/gdi/CArchive.h"
#include "tests/support/FileTesting.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>
#include <thread>

using namespace filetesting;

namespace {

using Contents = std::map<std::string, std::string>;

mode_t modeOf(const std::string& path) {
  struct stat st {};
  ::lstat(path.c_str(), &st);
  return st.st_mode;
}

void writeAndCommit(const std::string& path, const std::string& bytes) {
  AtomicFile file(path);
  file.write(bytes.data(), bytes.size());
  file.commit();
}

}  // namespace

TEST(AtomicFile, TargetChangesOnlyAtCommitAndKeepsItsPermissions) {
  ScratchFolder dir;
  writeAll(dir / "a.bin", "earlier");
  ::chmod((dir / "a.bin").c_str(), 0640);
  {
    AtomicFile file(dir / "a.bin");
    file.write("new content", 11);
    file.flush();
    EXPECT_EQ(readAll(dir / "a.bin"), "earlier");
    EXPECT_EQ(dir.contents().size(), 2u);  // the temporary file beside it
    file.commit();
    EXPECT_THROW(file.write("x", 1), CFileException);
  }
  EXPECT_EQ(dir.contents(), (Contents{{"a.bin", "new content"}}));
  EXPECT_EQ(modeOf(dir / "a.bin") & 07777, 0640u);

  {
    AtomicFile dropped(dir / "a.bin");
    dropped.write("lost", 4);
    AtomicFile abandoned(dir / "b.bin");
    abandoned.write("lost", 4);
    abandoned.abandon();
    EXPECT_THROW(abandoned.commit(), CFileException);
  }
  EXPECT_EQ(dir.contents(), (Contents{{"a.bin", "new content"}}));

  // Through a link the file it names is replaced and the link stays.
  std::filesystem::create_symlink("a.bin", dir / "link");
  writeAndCommit(dir / "link", "via link");
  EXPECT_EQ(dir.contents(), (Contents{{"a.bin", "via link"}, {"link", "<link>"}}));
}

TEST(AtomicFile, FailuresLeaveTheFolderAsItWas) {
  struct Case {
    const char* what;
    const char* target;
    ChildLimits limits;
    int error;
  };
  const Case cases[] = {
      {"past the file-size limit", "a.bin", {1000, false}, EFBIG},
      {"read-only folder", "ro/a.bin", {-1, true}, EACCES},
      {"read-only file", "locked.bin", {-1, true}, EACCES},
      {"a folder as the target", "ro", {}, EISDIR},
      {"missing folder", "none/a.bin", {}, ENOENT},
  };
  for (const Case& c : cases) {
    ScratchFolder dir;
    writeAll(dir / "a.bin", "earlier a");
    writeAll(dir / "locked.bin", "earlier locked");
    ::chmod((dir / "locked.bin").c_str(), 0444);
    std::filesystem::create_directory(dir / "ro");
    writeAll(dir / "ro/a.bin", "earlier ro");
    ::chmod((dir / "ro").c_str(), 0555);
    const Contents before = dir.contents();
    const std::string target = dir / c.target;
    // 0 written, 1 the expected error naming the file, 2 another error.
    const int status = runInChild(
        [&] {
          try {
            writeAndCommit(target, std::string(100000, 'x'));
            return 0;
          } catch (const CFileException& e) {
            const bool named = std::string(e.what()).find(target) != std::string::npos;
            return e.m_lOsError == c.error && named ? 1 : 2;
          }
        },
        c.limits);
    EXPECT_EQ(status, 1) << c.what;
    EXPECT_EQ(dir.contents(), before) << c.what;
  }
}

TEST(AtomicFile, EveryFailedCallOfAJointCommitReplacesAllOrNothing) {
  const Contents before = {{"a.bin", "earlier a"}, {"b.bin", "earlier b"}};
  const Contents after = {{"a.bin", "new a"}, {"b.bin", "new b"}, {"c.bin", "new c"}};
  long failures = 0;
  for (long n = 1;; ++n) {
    ScratchFolder scratch;  // each round starts from the earlier files
    const std::string a = scratch / "a.bin", b = scratch / "b.bin", c = scratch / "c.bin";
    writeAll(a, "earlier a");
    writeAll(b, "earlier b");
    const std::string newA = "new a", newB = "new b", newC = "new c";
    const auto bytes = [](const std::string& s) {
      return std::span<const unsigned char>(reinterpret_cast<const unsigned char*>(s.data()), s.size());
    };
    const FileContent files[] = {{a, bytes(newA)}, {b, bytes(newB)}, {c, bytes(newC)}};
    setFileCallFault(n, EIO);
    bool written = true;
    try {
      writeFilesTogether(files);
    } catch (const CFileException& e) {
      written = false;
      EXPECT_EQ(e.m_lOsError, EIO) << "call " << n;
    }
    const long calls = fileCallsCounted();
    setFileCallFault(0, 0);
    EXPECT_EQ(scratch.contents(), written ? after : before) << "call " << n;
    failures += written ? 0 : 1;
    if (n > calls) {
      EXPECT_TRUE(written);
      break;
    }
  }
  // Creating, writing, syncing, closing, linking and renaming three files all fail.
  EXPECT_GE(failures, 18);
}

TEST(AtomicFile, DevicesPipesAndStandardOutputAreWrittenInPlaceAndKept) {
  ScratchFolder dir;
  // A device that answers "no space", like /dev/full; made here so a fault cannot remove
  // the system's own node. Making one needs root; without it only the pipes are tried.
  const std::string full = dir / "full";
  if (::mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0) {
    try {
      writeAndCommit(full, "picture");
      ADD_FAILURE() << "a full device took the bytes";
    } catch (const CFileException& e) {
      EXPECT_EQ(e.m_cause, CFileException::diskFull);
    }
    EXPECT_TRUE(S_ISCHR(modeOf(full)));
  }

  const std::string fifo = dir / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
  const std::string sent(300000, 'p');  // more than the writer's buffer and the pipe's
  std::string received;
  std::thread reader([&] { received = readAll(fifo); });
  writeAndCommit(fifo, sent);
  reader.join();
  EXPECT_EQ(received, sent);
  EXPECT_TRUE(S_ISFIFO(modeOf(fifo)));

  // "-" is standard output, which stays open after the commit.
  int pipeEnds[2];
  ASSERT_EQ(::pipe(pipeEnds), 0);
  const int status = runInChild([&] {
    ::dup2(pipeEnds[1], STDOUT_FILENO);
    writeAndCommit("-", "to standard output;");
    return ::write(STDOUT_FILENO, " still open", 11) == 11 ? 0 : 1;
  });
  ::close(pipeEnds[1]);
  char got[64] = {};
  EXPECT_EQ(::read(pipeEnds[0], got, sizeof got - 1), 30);
  ::close(pipeEnds[0]);
  EXPECT_EQ(status, 0);
  EXPECT_STREQ(got, "to standard output; still open");
}

TEST(AtomicFile, FileCreatedForWritingReplacesItsTargetOnlyOnClose) {
  ScratchFolder dir;
  const std::string path = dir / "record.bin";
  writeAll(path, "earlier");
  const CString name(path.c_str());
  {
    CFile file(name, CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    ar << CString(L"new record");
    ar.Close();
    EXPECT_EQ(readAll(path), "earlier");
  }  // never closed: dropped
  EXPECT_EQ(dir.contents(), (Contents{{"record.bin", "earlier"}}));

  {
    CFile file(name, CFile::modeCreate | CFile::modeReadWrite);
    file.Write("abcdef", 6);
    EXPECT_EQ(file.GetLength(), 6u);
    file.Seek(2, CFile::begin);
    char back[8] = {};
    EXPECT_EQ(file.Read(back, 8), 4u);
    EXPECT_STREQ(back, "cdef");
    file.Close();
    EXPECT_FALSE(file.IsOpen());
  }
  EXPECT_EQ(dir.contents(), (Contents{{"record.bin", "abcdef"}}));

  CFile folder;
  CFileException error(CFileException::none, 0, CString());
  const CString folderName((dir / "").c_str());
  EXPECT_FALSE(folder.Open(folderName, CFile::modeCreate | CFile::modeWrite, &error));
  EXPECT_EQ(error.m_lOsError, EISDIR);
}
